#pragma once

#include <string>

#include "ui/Control.h"

// Apply's screenshot-folder step, the same in both editions. A folder that
// is not there is made first, and " - Folder created" is said only once it
// exists. False, with the error in the message line and the marker beside
// the field, when it cannot be made or a file has its name.
bool ShotFolderReady(const std::string& folder, ui::Control& message, ui::Control& marker);
