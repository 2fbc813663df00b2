#pragma once

#include <iterator>

// The registry names the camera uses, and the defaults it stores.

// HKEY_CURRENT_USER: the camera's own settings, all REG_SZ text.
inline constexpr char kSettingsKey[] = "Software\\VDRCamera";

// HKEY_LOCAL_MACHINE: the game's installation key, read only.
inline constexpr char kGameKey[] = "Software\\Brakemont\\Operation Veldrun";
inline constexpr char kGameFolderValue[] = "MAIN";

enum class Setting { VeldrunFolder, ScreenDir, WidthP, HeightP, Resize, Change };

// What a setting holds. Every one is stored as text; a number is kept as
// typed, and a flag that was missing is loaded as the number its default
// says, "0" or "1".
enum class SettingKind { Text, Number, Flag };

struct SettingRow {
    Setting setting;
    const char* name;         // the registry value
    const char* defaultText;  // stored when missing; none for the game folder,
                              // which comes from the game's own key
    SettingKind kind;
};

// In the order in which a first start stores them ("Change" only by Apply).
inline constexpr SettingRow kSettings[] = {
    {Setting::VeldrunFolder, "VeldrunFolder", nullptr, SettingKind::Text},
    {Setting::ScreenDir, "ScreenDir", "C:\\ScreenShots", SettingKind::Text},
    {Setting::WidthP, "WidthP", "1204", SettingKind::Number},
    {Setting::HeightP, "HeightP", "1204", SettingKind::Number},
    {Setting::Resize, "Resize", "0", SettingKind::Flag},
    {Setting::Change, "Change", "1", SettingKind::Flag},
};

constexpr const char* SettingName(Setting setting) {
    return kSettings[static_cast<int>(setting)].name;
}

constexpr const char* SettingDefault(Setting setting) {
    return kSettings[static_cast<int>(setting)].defaultText;
}

constexpr bool RowsInTheOrderOfTheirNames() {
    for (int row = 0; row < static_cast<int>(std::size(kSettings)); ++row) {
        if (static_cast<int>(kSettings[row].setting) != row) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInTheOrderOfTheirNames(), "SettingName and SettingDefault look rows up by name");
