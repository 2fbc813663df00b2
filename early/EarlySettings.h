#pragma once

#include "core/settings/Variant.h"

namespace early {

// The first edition keeps its two folders in memory only.
extern Variant GameFolder;
extern Variant ShotFolder;

// Loads them as the options window's first load of a run does: the game's
// folder from its own key, photos to C:\ScreenShots. Later loads keep what
// was applied, so the window shows the folders the photos go to.
void LoadFolders();

}  // namespace early
