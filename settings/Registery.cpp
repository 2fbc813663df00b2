#include "settings/Registery.h"

#include "ui/Handles.h"
#include "ui/Registry.h"

namespace {

SettingWriteObserver& Observer() {
    static SettingWriteObserver observer;
    return observer;
}

}  // namespace

std::string GetSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                            const std::string& defaultText) {
    const auto value = ui::ReadRegistryValue(root, keyPath, valueName);
    return value && value->type == REG_SZ ? value->Text() : defaultText;
}

void SaveSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                      const std::string& text) {
    if (Observer()) {
        Observer()(valueName, text);
    }
    ui::UniqueKey key;
    RegCreateKeyA(root, keyPath.c_str(), key.Out());
    RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

std::string GetMachineValue(const Variant& root, const std::string& keyPath,
                            const std::string& valueName, REGSAM view, DWORD* type) {
    const auto rootNumber = root.ToLong();
    const auto value = rootNumber ? ui::ReadRegistryValue(
                                        reinterpret_cast<HKEY>(static_cast<LONG_PTR>(*rootNumber)),
                                        keyPath, valueName, view)
                                  : std::nullopt;
    if (value && type) {
        *type = value->type;
    }
    return value ? value->Text() : std::string();
}

std::string InstalledGameFolder() {
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        DWORD type = REG_NONE;
        const std::string folder = GetMachineValue(RootNumber(HKEY_LOCAL_MACHINE), kGameKey,
                                                   kGameFolderValue, view, &type);
        // A number or binary data is no folder, whatever its bytes spell.
        const auto text = ui::RegistryValue{type, folder}.ExpandedText();
        if (text && !text->empty()) {
            return *text;
        }
    }
    return {};
}

Variant RootNumber(HKEY root) {
    return Variant(std::to_string(static_cast<int32_t>(reinterpret_cast<LONG_PTR>(root))));
}

bool DeleteKeyAndCheck(HKEY root, const std::string& keyPath) {
    RegDeleteKeyA(root, keyPath.c_str());
    ui::UniqueKey key;
    return RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.Out()) ==
           ERROR_FILE_NOT_FOUND;
}

void ObserveSettingWrites(SettingWriteObserver observer) { Observer() = std::move(observer); }
