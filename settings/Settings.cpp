#include "settings/Settings.h"

void LoadStored(const char* name, const char* defaultText, SettingKind kind, Variant& variable) {
    const std::string stored = GetSettingValue(HKEY_CURRENT_USER, kSettingsKey, name, "");
    if (!stored.empty()) {
        variable = stored;
        return;
    }
    const std::string text = defaultText ? defaultText : InstalledGameFolder();
    SaveSettingValue(HKEY_CURRENT_USER, kSettingsKey, name, text);
    variable = kind == SettingKind::Flag ? Variant(static_cast<int>(ParseNumber(text).value_or(0)))
                                         : Variant(text);
}
