#include "RegistryValues.h"

#include <stdexcept>

#include "ui/Handles.h"

namespace registry {

void SetRaw(HKEY root, const std::string& key, const std::string& name, DWORD type,
            const std::string& bytes, REGSAM view) {
    ui::UniqueKey opened;
    RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, opened.Out(),
                    nullptr);
    if (RegSetValueExA(opened.Get(), name.c_str(), 0, type,
                       reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot set " + name);
    }
}

void SetText(HKEY root, const std::string& key, const std::string& name, const std::string& text,
             REGSAM view) {
    SetRaw(root, key, name, REG_SZ, text + '\0', view);
}

void DeleteTree(HKEY root, const std::string& key, REGSAM view) {
    const size_t slash = key.find_last_of('\\');
    const std::string parent = slash == std::string::npos ? "" : key.substr(0, slash);
    const std::string leaf = slash == std::string::npos ? key : key.substr(slash + 1);
    ui::UniqueKey opened;
    if (RegOpenKeyExA(root, parent.c_str(), 0, KEY_ALL_ACCESS | view, opened.Out()) ==
        ERROR_SUCCESS) {
        RegDeleteTreeA(opened.Get(), leaf.c_str());
    }
}

void SetDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
    SetRaw(root, key, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4));
}

std::optional<std::string> Text(HKEY root, const std::string& key, const std::string& name) {
    ui::UniqueKey opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, opened.Out()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    char buffer[4096];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    std::string text(buffer, size);
    return text.substr(0, text.find('\0'));
}

bool KeyExists(HKEY root, const std::string& key) {
    ui::UniqueKey opened;
    return RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, opened.Out()) == ERROR_SUCCESS;
}

KeyInfo Info(HKEY root, const std::string& key) {
    ui::UniqueKey opened;
    KeyInfo info;
    FILETIME written{};
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, opened.Out()) == ERROR_SUCCESS &&
        RegQueryInfoKeyA(opened.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &info.values, nullptr, nullptr, nullptr, &written) == ERROR_SUCCESS) {
        info.lastWrite = uint64_t{written.dwHighDateTime} << 32 | written.dwLowDateTime;
    }
    return info;
}

}  // namespace registry
