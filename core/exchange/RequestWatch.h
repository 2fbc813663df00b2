#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/exchange/ExchangeWorld.h"
#include "core/exchange/RequestVerdict.h"
#include "core/exchange/WatchKeeper.h"

// The camera's side of the request file: a request is served once, as soon
// as it is seen, and deleted once its writer has let go of it; any other
// file under its name is the next request, also one the game makes while a
// photo is taken. What each look means and what follows is Decide's; this
// carries it out.
class RequestWatch {
public:
    RequestWatch(ExchangeWorld& world, WatchKeeper& keeper) : world_(world), keeper_(keeper) {}

    // One look below the game folder: a new request gets its photo and is
    // deleted once it can be, as is the one served. A capture that fails
    // still has its request dealt with, and the failure is passed on. True
    // when a photo was taken.
    bool Poll(const std::string& gameFolder, const std::function<void()>& takePhoto);

    // A look while its photo is still being taken: the request is followed,
    // not yet deleted, as the game has no reply yet.
    void Tend();

    // Whether a look since the last poll found the next request already
    // there: the next poll is due at once. Told once.
    bool TakeNextWaiting() { return std::exchange(nextWaiting_, false); }

    // What the last look found under the name and left where it is: a
    // request that is a symbolic link (deleting it would delete what it
    // leads to) or read-only, or a folder.
    std::optional<LeftAlone> LeftAloneSign() const;

private:
    struct Following {
        std::string path;
        std::string folder;  // where the watch counts its name's changes
        Served served;
    };

    Sight Observe(const std::string& path, const std::string& folder,
                  const std::optional<Served>& served);
    // Looks at the request and carries out what Decide makes of it, with
    // one more look after a deletion; true when a new request's photo is
    // due now.
    bool LookAndAct(const std::string& path, const std::string& folder, LookMoment moment);
    // The request followed, looked at again during or after its photo.
    void LookAgain(LookMoment moment);

    ExchangeWorld& world_;
    WatchKeeper& keeper_;
    std::optional<Following> following_;
    bool folderSeen_ = false;
    bool nextWaiting_ = false;
};
