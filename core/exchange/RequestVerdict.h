#pragma once

#include <chrono>
#include <optional>

#include "core/exchange/ExchangeWorld.h"

// What the camera keeps of the request it served: the least that tells the
// next look's file from it.
struct Served {
    std::optional<FileIdentity> file;    // as the latest look that told for sure saw it
    std::optional<NameCount> names;      // the watch's count then, where one stood
    TimePoint seenAt{};                  // its first sight
    bool settled = false;                // names is the count kWatchLag after the first sight
    std::optional<TimePoint> writtenAt;  // when a later write was first seen, until told apart
    bool deleted = false;                // its deletion went through; only its going is awaited
};

// What a look at the request's name means, beside the request served.
enum class Verdict {
    Gone,      // nothing stands under the name: forget the request served
    Another,   // another file: the next request, which gets its photo
    Same,      // the request served, written by its writer at most: delete it once let go
    Settling,  // written since it was seen, and the watch may yet tell it was made anew: wait
    Leaving,   // the request served, deleted, its name kept while a handle on it is open: wait
};

// The watch tells of a change this much later at the most.
inline constexpr std::chrono::milliseconds kWatchLag{100};

// The whole rule: what a look means, from what was served, what the look
// finds, what the watch has counted and the time. The first that fits:
//
//   1. nothing under the name: Gone;
//   2. a file Windows says is being deleted: Leaving;
//   3. the same watch counted the name taken since the served file's count
//      settled (Settle): Another;
//   4. a file where the served one could not be opened, or the reverse:
//      Another;
//   5. a file on another volume or index: Another;
//   6. the same index written since, where no watch stood all along (none,
//      or another one): Another;
//   7. the same index written since, the watch silent: Settling, until the
//      count has settled and for kWatchLag after the write was first seen;
//   8. the served file: Same, or Leaving once deleted.
//
// A taking told within kWatchLag of the first sight may be the file's
// before, told late, so the count settles on what the watch had told by
// then. An overflow never counts as the name taken: the watch could not
// say what happened, and a writer's own write is far likelier than its
// request made anew on the old index within one burst.
//
// Where no watch stands (a drive without notifications, the host build) a
// write after the camera saw the file cannot be told from the file made
// anew on its index (Wine gives a new file the old one's index back, and
// its creation time is its last write), so it counts as the next request:
// a writer that writes after its request was seen gets a second photo.
Verdict Judge(const Served& served, const FileLook& look, const std::optional<NameCount>& names,
              TimePoint now);

// Settles the served file's count on the watch's kWatchLag after the first
// sight, once that is past.
Served Settle(const Served& served, const std::optional<NameCount>& namesThen, TimePoint now);

// What the camera keeps after the look, by its verdict: the served file as
// last seen for sure, and the write first seen while settling.
Served AfterLook(const Served& served, Verdict verdict, const FileLook& look,
                 const std::optional<NameCount>& names, TimePoint now);
