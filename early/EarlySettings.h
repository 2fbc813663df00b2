#pragma once

#include "core/settings/Variant.h"

namespace early {

// The first edition keeps its two folders in memory only.
extern Variant GameFolder;
extern Variant ShotFolder;

// Loads them as the options window's load step does: the game's folder from
// its own key, photos to C:\ScreenShots.
void LoadFolders();

}  // namespace early
