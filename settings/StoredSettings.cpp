#include "settings/StoredSettings.h"

#include "settings/Registery.h"

std::string StoredSetting(Setting setting) {
    return GetSettingValue(HKEY_CURRENT_USER, kSettingsKey, SettingName(setting), "");
}

void StoreSetting(Setting setting, const std::string& text) {
    SaveSettingValue(HKEY_CURRENT_USER, kSettingsKey, SettingName(setting), text);
}
