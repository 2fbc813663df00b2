#pragma once

#include <string>

#include "core/photo/CaptureSettings.h"
#include "core/settings/SettingsTable.h"
#include "core/settings/Variant.h"
#include "settings/Registery.h"
#include "ui/Control.h"

// The program-wide settings, alive for the whole run, empty until first set;
// a capture works from a copy of them taken as it starts.
inline CaptureSettings CurrentSettings;
inline Variant& GameFolder = CurrentSettings.gameFolder;    // the game's installation folder
inline Variant& ShotFolder = CurrentSettings.shotFolder;    // where photos are stored
inline Variant& ResizeShots = CurrentSettings.resizeShots;  // rescale photos when it equals 1
inline Variant& SaveAsJpeg = CurrentSettings.saveAsJpeg;    // also store a JPEG when it equals 1
inline Variant& ShotWidth = CurrentSettings.shotWidth;      // rescale size, as typed
inline Variant& ShotHeight = CurrentSettings.shotHeight;
inline Variant PhotoNumber;  // number of the next photo

// How a setting is shown and stored: every one is stored as text; a flag is
// a check box's state, loaded as a number when it was missing.
enum class SettingKind { Text, Flag };

// One setting of the options window Window, from the registry value under
// HKEY_CURRENT_USER "Software\VDRCamera" through its control to its variable.
template <typename Window>
struct StoredSetting {
    using Field = ui::Control& (*)(Window&);
    const char* name;         // the registry value; none: never stored, nor shown at opening
    const char* defaultText;  // stored when missing; none: the game's own key gives it
    SettingKind kind;
    Variant* variable;          // none: only stored, as its default
    Field field = nullptr;      // the control that shows it
    Field onlyWhile = nullptr;  // a check box: Apply sets the variable only while it is checked
};

// Fills the variable from the registry, writing the default back when the
// value is missing (absent, non-text or empty).
void LoadStored(const char* name, const char* defaultText, SettingKind kind, Variant& variable);

// Every stored setting with a variable, loaded.
template <typename Rows>
void LoadStored(const Rows& rows) {
    for (const auto& setting : rows) {
        if (setting.name && setting.variable) {
            LoadStored(setting.name, setting.defaultText, setting.kind, *setting.variable);
        }
    }
}

// What a setting's control shows: a check box as 0 or 1.
template <typename Window>
Variant Shown(const StoredSetting<Window>& setting, Window& window) {
    ui::Control& field = setting.field(window);
    return setting.kind == SettingKind::Flag ? Variant(field.Value()) : Variant(field.Text());
}

// Each stored setting into its control. A flag's box is checked exactly when
// its setting is numerically 1 (" 1", "01"); any other leaves it unchecked.
template <typename Window, typename Rows>
void ShowStored(const Rows& rows, Window& window) {
    for (const StoredSetting<Window>& setting : rows) {
        if (!setting.name || !setting.variable || !setting.field) {
            continue;
        }
        if (setting.kind == SettingKind::Flag) {
            setting.field(window).SetValue(setting.variable->Equals(1) ? 1 : 0);
        } else {
            setting.field(window).SetText(setting.variable->Text());
        }
    }
}

// Apply, once its checks have passed: each variable takes what its control
// shows, then each setting is stored as its control shows it (whether or not
// the variable took it); one without a control stores its default.
template <typename Window, typename Rows>
void ApplyStored(const Rows& rows, Window& window) {
    for (const StoredSetting<Window>& setting : rows) {
        if (setting.variable && setting.field &&
            (!setting.onlyWhile || setting.onlyWhile(window).Value() == 1)) {
            *setting.variable = Shown(setting, window);
        }
    }
    for (const StoredSetting<Window>& setting : rows) {
        if (setting.name) {
            SaveSettingValue(HKEY_CURRENT_USER, kSettingsKey, setting.name,
                             setting.field ? Shown(setting, window).Text() : setting.defaultText);
        }
    }
}

// The settings a capture starting now works from.
inline CaptureSettings CaptureSettingsNow() { return CurrentSettings; }
