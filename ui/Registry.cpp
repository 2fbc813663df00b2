#include "ui/Registry.h"

#include <algorithm>
#include <cstring>

#include "ui/Handles.h"

namespace ui {

namespace {

std::string UpToZero(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

std::optional<std::string> RegistryValue::TextUpToZero() const {
    return type == REG_SZ ? std::optional(UpToZero(data)) : std::nullopt;
}

std::optional<std::string> RegistryValue::ExpandedText() const {
    if (type != REG_EXPAND_SZ) {
        return TextUpToZero();
    }
    const std::string text = UpToZero(data);
    const DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    std::string expanded(size, '\0');
    const DWORD written = size ? ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size) : 0;
    return written == 0 || written > size ? text : UpToZero(expanded);
}

std::optional<std::string> RegistryValue::ShownText() const {
    std::string kept = data;
    if (!kept.empty() && kept.back() == '\0') {
        kept.pop_back();
    }
    if (type == REG_SZ) {
        return kept;
    }
    if (type != REG_DWORD) {
        return std::nullopt;
    }
    uint32_t number = 0;
    for (size_t i = std::min<size_t>(kept.size(), 4); i-- > 0;) {
        number = (number << 8) | static_cast<uint8_t>(kept[i]);
    }
    return std::to_string(number);
}

std::optional<uint32_t> RegistryValue::Dword() const {
    uint32_t number = 0;
    if (type != REG_DWORD || data.size() != sizeof number) {
        return std::nullopt;
    }
    std::memcpy(&number, data.data(), sizeof number);
    return number;
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
