#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The rules by which the program's readers make text or a number of a
// registry value's type and bytes, whatever a program or a hand has put
// there. None reads past the bytes it is given.

// The value types read, as Windows numbers them.
inline constexpr uint32_t kRegText = 1;            // REG_SZ
inline constexpr uint32_t kRegExpandableText = 2;  // REG_EXPAND_SZ
inline constexpr uint32_t kRegNumber = 4;          // REG_DWORD

// The settings' rule: a text's bytes up to its first zero, or all of them
// when it has none. Nothing for other types.
std::optional<std::string> TextUpToZero(uint32_t type, std::string_view data);

// The game folder's rule: text as Windows reads it, an expandable text
// through `expand` (its %variables%). Nothing for other types.
std::optional<std::string> ExpandedText(
    uint32_t type, std::string_view data,
    const std::function<std::string(const std::string&)>& expand);

// The help window's rule: a text with exactly one trailing zero dropped,
// never more, and a number as its decimal text (the bytes there are, up to
// four, low first). Nothing for other types.
std::optional<std::string> ShownText(uint32_t type, std::string_view data);

// The snipping check's rule: a number stored in exactly four bytes.
std::optional<uint32_t> Dword(uint32_t type, std::string_view data);
