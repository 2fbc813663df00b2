#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/exchange/ExchangeWorld.h"

// Keeps a watch of the request's name in "tidemark\mdb" below the game
// folder: made once the folder is there, made again for another game
// folder, and made again once its folder has gone and is there again. A
// watch can die quietly (its drive gone and back) or never be had (a drive
// without notifications): a standing watch's folder is looked for once a
// second, and the looks at the request go on without one.
class WatchKeeper {
public:
    explicit WatchKeeper(ExchangeWorld& world) : world_(world) {}
    ~WatchKeeper() { Stop(); }
    WatchKeeper(const WatchKeeper&) = delete;
    WatchKeeper& operator=(const WatchKeeper&) = delete;

    void KeepOn(const std::string& gameFolder);

    // What the watch has counted, when one stands on that folder.
    std::optional<NameCount> Changes(const std::string& folder);

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
    void Stop();

    ExchangeWorld& world_;
    uint64_t watch_ = 0;
    std::string folder_;
    TimePoint checkedAt_{};
    NameCount told_;  // what the last wake took in
    // The counts taken in, with when, the oldest first.
    std::vector<std::pair<TimePoint, NameCount>> taken_;
};
