#pragma once

#include <cstdint>

// What a watch of one name in a folder has counted there. The system tells
// of each change of a name; a burst too large for the watch to hold is told
// only as an overflow, which says that something happened, not what.
struct NameCount {
    uint64_t watch = 0;      // which watch counted; counts of two watches never match
    uint64_t taken = 0;      // the name deleted, renamed away or renamed over
    uint64_t given = 0;      // a file made under the name or renamed onto it
    uint64_t overflows = 0;  // bursts that hid which names changed
    bool operator==(const NameCount&) const = default;
};

// How the system tells of a change of a name in the folder.
enum class NameAction { Added, Removed, Modified, RenamedFrom, RenamedTo };

// Counts a burst of changes too large to tell apart: something happened,
// which may or may not have been the watched name's.
inline void TallyOverflow(NameCount& count) { ++count.overflows; }

// Counts one change of the watched name. A rename onto it replaces
// whatever file held it, so it takes the name as well as giving it.
inline void Tally(NameCount& count, NameAction action) {
    switch (action) {
        case NameAction::Removed:
        case NameAction::RenamedFrom:
            ++count.taken;
            break;
        case NameAction::RenamedTo:
            ++count.taken;
            ++count.given;
            break;
        case NameAction::Added:
            ++count.given;
            break;
        case NameAction::Modified:
            break;
    }
}
