#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace ui {

// A registry value as it is stored: its type and its bytes, and the rules
// by which the program's readers make text or a number of them.
struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data;

    // The settings' rule: a REG_SZ's text up to its first zero; a text
    // stored without one comes back whole. Nothing for other types.
    std::optional<std::string> TextUpToZero() const;
    // The game folder's rule: text as Windows reads it, a REG_SZ as above
    // and a REG_EXPAND_SZ with its %variables% expanded. Nothing for other
    // types.
    std::optional<std::string> ExpandedText() const;
    // The help window's rule: a REG_SZ with exactly one trailing zero
    // dropped, never more, and a REG_DWORD as the decimal text of its
    // number. Nothing for other types.
    std::optional<std::string> ShownText() const;
    // The snipping check's rule: a REG_DWORD's number.
    std::optional<uint32_t> Dword() const;
};

// Reads a value whole, however large: the buffer grows when the value grew
// since its size was asked. The view picks HKEY_LOCAL_MACHINE's 32-bit or
// 64-bit side on 64-bit Windows (KEY_WOW64_32KEY, KEY_WOW64_64KEY), so that
// both builds read the same side; 0 reads the program's own. Nothing when
// the key or the value cannot be read.
std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& key,
                                               const std::string& name, REGSAM view = 0);

}  // namespace ui
