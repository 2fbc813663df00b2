#include "ui/Registry.h"

#include <algorithm>

#include "ui/Handles.h"

namespace ui {

std::string ExpandEnvironment(const std::string& text) {
    const DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    std::string expanded(size, '\0');
    const DWORD written = size ? ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size) : 0;
    return written == 0 || written > size ? text : expanded;
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
            // It grew since its size was asked, and may grow on: room to spare.
            size = std::max(got, size) * 2;
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
