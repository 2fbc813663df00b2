#include "core/settings/RegistryText.h"

#include <algorithm>
#include <cstring>

namespace {

std::string UpToZero(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

}  // namespace

std::optional<std::string> TextUpToZero(uint32_t type, std::string_view data) {
    return type == kRegText ? std::optional(UpToZero(data)) : std::nullopt;
}

std::optional<std::string> ExpandedText(
    uint32_t type, std::string_view data,
    const std::function<std::string(const std::string&)>& expand) {
    if (type != kRegExpandableText) {
        return TextUpToZero(type, data);
    }
    return UpToZero(expand(UpToZero(data)));
}

std::optional<std::string> ShownText(uint32_t type, std::string_view data) {
    if (!data.empty() && data.back() == '\0') {
        data.remove_suffix(1);
    }
    if (type == kRegText) {
        return std::string(data);
    }
    if (type != kRegNumber) {
        return std::nullopt;
    }
    uint32_t number = 0;
    for (size_t i = std::min<size_t>(data.size(), 4); i-- > 0;) {
        number = (number << 8) | static_cast<uint8_t>(data[i]);
    }
    return std::to_string(number);
}

std::optional<uint32_t> Dword(uint32_t type, std::string_view data) {
    uint32_t number = 0;
    if (type != kRegNumber || data.size() != sizeof number) {
        return std::nullopt;
    }
    std::memcpy(&number, data.data(), sizeof number);
    return number;
}
