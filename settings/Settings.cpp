#include "settings/Settings.h"

#include "settings/Registery.h"

void LoadSettings() {
    for (const StoredSetting& setting : kStoredSettings) {
        if (!setting.variable) {
            continue;
        }
        const std::string stored =
            GetSettingValue(HKEY_CURRENT_USER, kSettingsKey, setting.name, "");
        if (!stored.empty()) {
            *setting.variable = stored;
            continue;
        }
        const std::string text = setting.defaultText ? setting.defaultText : InstalledGameFolder();
        SaveSettingValue(HKEY_CURRENT_USER, kSettingsKey, setting.name, text);
        *setting.variable = setting.kind == SettingKind::Flag
                                ? Variant(static_cast<int>(ParseNumber(text).value_or(0)))
                                : Variant(text);
    }
}

CaptureSettings CaptureSettingsNow() {
    return {GameFolder.Text(), ShotFolder.Text(), ResizeShots, SaveAsJpeg, ShotWidth, ShotHeight};
}
