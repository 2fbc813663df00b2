#pragma once

#include <chrono>
#include <optional>

#include "core/exchange/ExchangeWorld.h"

// The watch tells of a change this much later at the most.
inline constexpr std::chrono::milliseconds kWatchLag{100};

// What the camera keeps of the request it served: the least that tells the
// next look's file from it.
struct Served {
    std::optional<FileIdentity> file;  // as the latest look that told for sure saw it
    TimePoint seenAt{};                // its first sight
    uint64_t watch = 0;                // the watch that vouches for it (0: none)
    // That watch's count once kWatchLag has passed since the first sight:
    // a taking counted since is of the served file, not of one before it.
    std::optional<NameCount> baseline;
    std::optional<TimePoint> writtenAt;  // when a later write was first seen, until told apart
    bool deleted = false;                // its deletion went through; only its going is awaited
    bool link = false;                   // a symbolic link, left where it is
    bool readOnly = false;               // read-only, which the camera does not change
};

// What stands under the request's name and is left where it is, as the
// caption tells: a request that is a link or read-only, or a folder, which
// is no request at all.
enum class LeftAlone { Link, ReadOnly, Folder };

// What a look at the request's name found: the watch's count just before
// it, the look itself, and the count kWatchLag after the served file's
// first sight, as the watch remembers it.
struct Sight {
    std::optional<NameCount> names;
    FileLook look;
    std::optional<NameCount> namesAtSettling;
};

// What a look means, beside the request served.
enum class Verdict {
    Gone,      // nothing stands under the name: forget the request served
    Another,   // another file: the next request, which gets its photo
    Same,      // the request served, written by its writer at most: delete it once let go
    Settling,  // written since it was seen, and the watch may yet tell it was made anew: wait
    Leaving,   // the request served, deleted, its name kept while a handle on it is open: wait
};

// When a look is made: at a poll, which may photograph what it finds; right
// after a photo, whose request may now go; or while a photo is taken, when
// the game has no reply yet and nothing is photographed or deleted.
enum class LookMoment { Poll, AfterPhoto, DuringPhoto };

// What the camera does after a look.
struct Step {
    Verdict verdict = Verdict::Gone;
    std::optional<Served> kept;  // what it keeps of the request served; none: forgotten
    bool photograph = false;     // take the photo of the new request now (kept: it)
    bool pollAgain = false;      // a new request stands, and no photo can be taken now: poll again
    bool remove = false;         // delete the file looked at, while it is that file
};

// The whole rule, from what was served, what the look found, when it was
// made and the time. The verdict is the first that fits:
//
//   1. nothing under the name, or a folder, which is no request: Gone;
//   2. a file Windows says is being deleted: Leaving;
//   3. nothing served: Another;
//   4. the watch that vouches for the served file counted the name taken
//      since its baseline: Another;
//   5. a file that could not be opened where the served one could, or the
//      reverse: Another (neither opened: 8);
//   6. another index: Another;
//   7. the same index written since, where the watch that vouches for the
//      served file does not stand now (or none ever did, or it stood on a
//      folder since replaced, and another was made): Another;
//   8. the same index written since, that watch silent: Settling until
//      kWatchLag has passed since the first sight and since the write was
//      first seen;
//   9. the served file: Same, or Leaving once deleted.
//
// And the step:
//   - Gone and Another forget the request served; Another then has the new
//     file photographed at a poll (kept as served from this sight), and
//     otherwise the next poll due at once;
//   - Same, and Leaving once deleted, keep what this look saw as the
//     served file (its identity, and the watch standing now as the one that
//     vouches for it, with its count as the baseline once settled); Same,
//     unless a photo is being taken, has it deleted where it can be: not
//     while its writer holds it, nor a link, nor a read-only file, nor one
//     that could not be opened, as there is nothing then to delete it by;
//   - Settling keeps when the write was first seen.
//
// The baseline is the count the vouching watch had kWatchLag after the
// first sight: a taking told within kWatchLag of it may be the file's
// before, told late. An overflow never counts as the name taken: the watch
// could not say what happened, and a writer's own write is far likelier
// than its request made anew on the old index within one burst.
//
// Where no watch stands (a drive without notifications, the host build) a
// write after the camera saw the file cannot be told from the file made
// anew on its index (Wine gives a new file the old one's index back, and
// its creation time is its last write), so it counts as the next request:
// a writer that writes after its request was seen gets a second photo. A
// watch that outlives its folder (Wine's, when the folder is replaced) is
// no watch: the sight's count comes only from a watch on the folder under
// the name now (WatchKeeper::CheckedChanges).
Step Decide(const std::optional<Served>& served, const Sight& sight, LookMoment moment,
            TimePoint now);

// The served file once its deletion went through: the next look tells
// whether it has gone or keeps its name while a handle is open.
Served Removed(Served served);
