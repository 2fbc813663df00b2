#pragma once

#include <string>

namespace early {

// The first edition keeps its two folders in memory only.
extern std::string GameFolder;
extern std::string ShotFolder;

// Loads them as the options window's load step does: the game's folder from
// its own key, photos to C:\ScreenShots.
void LoadFolders();

}  // namespace early
