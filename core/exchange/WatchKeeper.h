#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/exchange/ExchangeWorld.h"

// Keeps a watch of the request's name in "tidemark\mdb" below the game
// folder: made once the folder is there, made again for another game
// folder, and made again once its folder has gone, or has been replaced by
// another under its name, and is there again. A watch can die quietly (its
// drive gone and back), outlive its folder deaf (under Wine), or never be
// had (a drive without notifications): the folder under the name is
// checked to be the watch's own once a second, and at any look that finds
// the request, and the looks go on without a watch.
class WatchKeeper {
public:
    // Told of each watch made or ended (0: none), so that a waiter waits
    // on the watch standing.
    using Changed = std::function<void(uint64_t watch)>;

    explicit WatchKeeper(
        ExchangeWorld& world, Changed changed = [](uint64_t) {})
        : world_(world), changed_(std::move(changed)) {}
    ~WatchKeeper() { End(); }
    WatchKeeper(const WatchKeeper&) = delete;
    WatchKeeper& operator=(const WatchKeeper&) = delete;

    void KeepOn(const std::string& gameFolder);

    // What the watch has counted, when one stands on that folder.
    std::optional<NameCount> Changes(const std::string& folder);

    // What the watch has counted, once the folder under its name is sure to
    // be the watch's own: a watch on a folder since replaced can tell
    // nothing of the one there now, and a watch is made anew, counting
    // from now on. Nothing without a watch.
    std::optional<NameCount> CheckedChanges(const std::string& folder,
                                            const std::optional<NameCount>& told);

    // What it had counted by then, as far back as it remembers (a few
    // seconds): the watch is taken in at every wake, so this is what it had
    // told by then.
    std::optional<NameCount> ChangesBy(const std::string& folder, TimePoint then) const;

    // Takes in what the watch has told since the last call: true when it
    // concerns the request's name, or an overflow may have hidden that it
    // did, or the watch has stopped standing; a look is due then, and only
    // then, so other files in the folder cost nothing.
    bool Woken();

    // The watch standing now, 0 for none.
    uint64_t Watch() const { return watch_; }

private:
    static constexpr std::chrono::seconds kCheckEvery{1};
    static constexpr std::chrono::seconds kRemember{5};

    std::optional<NameCount> TakeIn(bool woken = false);
    // A watch on the folder that has that index now, or none without one.
    void Make(const std::string& folder, std::optional<uint64_t> index);
    void End();

    ExchangeWorld& world_;
    Changed changed_;
    uint64_t watch_ = 0;
    std::string folder_;
    std::optional<uint64_t> folderIndex_;  // of the folder the watch was made on
    TimePoint checkedAt_{};
    NameCount told_;  // what the last wake took in
    // The counts taken in, with when, the oldest first.
    std::vector<std::pair<TimePoint, NameCount>> taken_;
};
