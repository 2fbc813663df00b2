#pragma once

#include "core/photo/CaptureSettings.h"
#include "core/settings/SettingsTable.h"
#include "core/settings/Variant.h"

// The program-wide settings, alive for the whole run, empty until first set.
extern Variant GameFolder;   // the game's installation folder
extern Variant ShotFolder;   // where photos are stored
extern Variant PhotoNumber;  // number of the next photo
extern Variant ResizeShots;  // rescale photos when it equals 1
extern Variant SaveAsJpeg;   // also store a JPEG when it equals 1; never stored
extern Variant ShotWidth;    // rescale size, as typed
extern Variant ShotHeight;

// The variable a stored setting is loaded into; none for "Change", which
// only Apply writes.
Variant* SettingVariable(Setting setting);

// The settings a capture starting now works from.
CaptureSettings CaptureSettingsNow();
