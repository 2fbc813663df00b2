#pragma once

#include <string>

// The 8 MiB drive S: that the suites' fixture mounts where root may
// (tests/small-disk.sh), for a disk that fills up and for one that goes
// away and comes back, new and empty, as a player's drive does.
namespace small_disk {

inline constexpr char kRoot[] = "S:";

bool Available();
// Unmounted and gone from Wine's drives; false where it cannot be.
bool GoAway();
bool ComeBack();

// An empty folder on a disk with no room for a file in it, as Wine names
// it; empty where there is none.
std::string FolderWithoutRoom();

}  // namespace small_disk
