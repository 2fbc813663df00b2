#include "settings/Registery.h"

#include "core/settings/RegistryText.h"
#include "core/settings/SettingsTable.h"
#include "ui/Handles.h"
#include "ui/Registry.h"

std::string GetSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                            const std::string& defaultText) {
    const auto value = ui::ReadRegistryValue(root, keyPath, valueName);
    return value ? TextUpToZero(value->type, value->data).value_or(defaultText) : defaultText;
}

void SaveSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                      const std::string& text) {
    ui::UniqueKey key;
    RegCreateKeyA(root, keyPath.c_str(), key.Out());
    RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

std::string GetMachineValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                            REGSAM view) {
    // A number or binary data is no text, whatever its bytes spell.
    const auto value = ui::ReadRegistryValue(root, keyPath, valueName, view);
    return value ? ExpandedText(value->type, value->data, ui::ExpandEnvironment).value_or("") : "";
}

std::string InstalledGameFolder() {
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        const std::string folder =
            GetMachineValue(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, view);
        if (!folder.empty()) {
            return folder;
        }
    }
    return {};
}

bool DeleteKeyAndCheck(HKEY root, const std::string& keyPath) {
    RegDeleteKeyA(root, keyPath.c_str());
    ui::UniqueKey key;
    return RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.Out()) ==
           ERROR_FILE_NOT_FOUND;
}
