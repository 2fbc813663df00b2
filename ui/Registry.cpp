#include "ui/Registry.h"

#include "ui/Handles.h"

namespace ui {

std::optional<std::string> RegistryValue::ExpandedText() const {
    if (type == REG_SZ) {
        return Text();
    }
    if (type != REG_EXPAND_SZ) {
        return std::nullopt;
    }
    const std::string text = Text();
    const DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    std::string expanded(size, '\0');
    const DWORD written = size ? ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size) : 0;
    return written == 0 || written > size ? text : expanded.substr(0, expanded.find('\0'));
}

std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& key,
                                               const std::string& name, REGSAM view) {
    UniqueKey opened;
    DWORD size = 0;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE | view, opened.Out()) !=
            ERROR_SUCCESS ||
        RegQueryValueExA(opened.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) !=
            ERROR_SUCCESS) {
        return std::nullopt;
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        RegistryValue value;
        value.data.assign(size, '\0');
        DWORD got = size;
        const LONG result = RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &value.type,
                                             reinterpret_cast<BYTE*>(value.data.data()), &got);
        if (result == ERROR_MORE_DATA) {
            size = got > size ? got : size * 2 + 16;
            continue;
        }
        if (result != ERROR_SUCCESS) {
            return std::nullopt;
        }
        value.data.resize(got < size ? got : size);
        return value;
    }
    return std::nullopt;
}

}  // namespace ui
