#pragma once

#include <string>

namespace early {

// The first edition keeps its two folders in memory only.
extern std::string GameFolder;
extern std::string ShotFolder;

}  // namespace early
