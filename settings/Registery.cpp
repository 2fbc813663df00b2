#include "settings/Registery.h"

#include "ui/Handles.h"

namespace {

// Reads a value's data, growing the buffer when the value grew since the
// size was asked for. Nothing on failure.
bool ReadValue(HKEY key, const std::string& valueName, DWORD size, DWORD& type, std::string& data) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string buffer(size, ' ');
        DWORD got = size;
        type = 0;
        const LONG result = RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (result == ERROR_MORE_DATA) {
            size = got > size ? got : size * 2 + 16;
            continue;
        }
        if (result != ERROR_SUCCESS) {
            return false;
        }
        buffer.resize(got < size ? got : size);
        data = std::move(buffer);
        return true;
    }
    return false;
}

SettingWriteObserver& Observer() {
    static SettingWriteObserver observer;
    return observer;
}

// Registry text ends at its first zero; a value stored without one comes back whole.
std::string UpToZero(const std::string& data) { return data.substr(0, data.find('\0')); }

// "%ProgramFiles%\Veldrun" and the like, as Windows would read them.
std::string Expanded(const std::string& text) {
    const DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (size == 0) {
        return text;
    }
    std::string expanded(size, '\0');
    const DWORD written = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size);
    if (written == 0 || written > size) {
        return text;
    }
    return UpToZero(expanded);
}

}  // namespace

std::string GetSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                            const std::string& defaultText) {
    ui::UniqueKey key;
    RegOpenKeyA(root, keyPath.c_str(), key.Out());
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return defaultText;
    }
    std::string data;
    if (!ReadValue(key.Get(), valueName, size, type, data) || type != REG_SZ) {
        return defaultText;
    }
    return UpToZero(data);
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
    if (!rootNumber) {
        return {};
    }
    ui::UniqueKey key;
    RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<LONG_PTR>(*rootNumber)), keyPath.c_str(), 0,
                  KEY_QUERY_VALUE | view, key.Out());
    DWORD size = 0;
    RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, nullptr, nullptr, &size);
    DWORD readType = 0;
    std::string data;
    if (size == 0 || !ReadValue(key.Get(), valueName, size, readType, data)) {
        return {};
    }
    if (type) {
        *type = readType;
    }
    return UpToZero(data);
}

std::string InstalledGameFolder() {
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        DWORD type = REG_NONE;
        const std::string folder = GetMachineValue(RootNumber(HKEY_LOCAL_MACHINE), kGameKey,
                                                   kGameFolderValue, view, &type);
        // A number or binary data is no folder, whatever its bytes spell.
        if (folder.empty() || (type != REG_SZ && type != REG_EXPAND_SZ)) {
            continue;
        }
        return type == REG_EXPAND_SZ ? Expanded(folder) : folder;
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
