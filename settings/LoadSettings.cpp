#include "settings/LoadSettings.h"

#include "settings/Registery.h"
#include "settings/SettingsVariables.h"
#include "settings/StoredSettings.h"

OptionsFields LoadSettings() {
    std::string gameFolder = StoredSetting(Setting::VeldrunFolder);
    if (gameFolder.empty()) {
        gameFolder = InstalledGameFolder();
        StoreSetting(Setting::VeldrunFolder, gameFolder);
    }
    GameFolder = gameFolder;

    for (const SettingRow& row : kSettings) {
        Variant* variable = SettingVariable(row.setting);
        if (!variable || !row.defaultText) {
            continue;  // "Change" is Apply's alone; the game folder is loaded above
        }
        const std::string stored = StoredSetting(row.setting);
        if (!stored.empty()) {
            *variable = stored;
            continue;
        }
        StoreSetting(row.setting, row.defaultText);
        *variable = row.kind == SettingKind::Flag
                        ? Variant(static_cast<int>(ParseNumber(row.defaultText).value_or(0)))
                        : Variant(row.defaultText);
    }
    // The resize box is checked exactly when photos are rescaled: for a text
    // that is numerically 1 (" 1", "01"); any other leaves it unchecked.
    return {GameFolder.Text(), ShotFolder.Text(), ShotWidth.Text(), ShotHeight.Text(),
            ResizeShots.Equals(1) ? 1 : 0};
}
