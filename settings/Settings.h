#pragma once

#include "core/photo/CaptureSettings.h"
#include "core/settings/SettingsTable.h"
#include "core/settings/Variant.h"

// The program-wide settings, alive for the whole run, empty until first set.
inline Variant GameFolder;   // the game's installation folder
inline Variant ShotFolder;   // where photos are stored
inline Variant PhotoNumber;  // number of the next photo
inline Variant ResizeShots;  // rescale photos when it equals 1
inline Variant SaveAsJpeg;   // also store a JPEG when it equals 1; never stored
inline Variant ShotWidth;    // rescale size, as typed
inline Variant ShotHeight;

// How a stored setting is shown and loaded: every one is stored as text; a
// flag is a check box's state, loaded as a number when it was missing.
enum class SettingKind { Text, Flag };

// One stored setting, under HKEY_CURRENT_USER "Software\VDRCamera".
struct StoredSetting {
    const char* name;         // the registry value
    const char* defaultText;  // stored when missing; none: the game's own key gives it
    SettingKind kind;
    Variant* variable;  // none: only Apply stores it
    const char* field;  // the options window's control that shows it, if any
};

// In the order in which a first start stores them.
inline constexpr StoredSetting kStoredSettings[] = {
    {"VeldrunFolder", nullptr, SettingKind::Text, &GameFolder, "VeldrunFolderU"},
    {"ScreenDir", kDefaultShotFolder, SettingKind::Text, &ShotFolder, "ScreenDirU"},
    {"WidthP", "1204", SettingKind::Text, &ShotWidth, "WidthU"},
    {"HeightP", "1204", SettingKind::Text, &ShotHeight, "HeightU"},
    {"Resize", "0", SettingKind::Flag, &ResizeShots, "resizeU"},
    {"Change", "1", SettingKind::Flag, nullptr, nullptr},
};

// Fills the settings variables from the registry, writing the default of
// every missing (absent, non-text or empty) value back.
void LoadSettings();

// The settings a capture starting now works from.
CaptureSettings CaptureSettingsNow();
