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
// photo is taken. What a look means is Judge's; this acts on it.
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

    // Whether the request served is a symbolic link: it is left where it
    // is, as deleting it would delete what it leads to.
    bool LinkLeftAlone() const { return following_ && following_->link; }

private:
    struct Following {
        std::string path;
        std::string folder;  // where the watch counts its name's changes
        Served served;
        bool link = false;
    };

    // What the watch had told, and then what a look found.
    struct Sight {
        std::optional<NameCount> names;
        FileLook look;
    };
    Sight Observe(const std::string& path, const std::string& folder);

    // Judges the sight, keeps what the verdict says to keep, and forgets the
    // request once the verdict says it has gone or another stands.
    Verdict Follow(const Sight& sight);
    // Deletes the request served once the look finds its writer has let go.
    void DeleteIfLetGo(const FileLook& look, Verdict verdict);
    // A look after a photo: the request is deleted at once where it can be.
    void Tidy();

    ExchangeWorld& world_;
    WatchKeeper& keeper_;
    std::optional<Following> following_;
    bool nextWaiting_ = false;
};
