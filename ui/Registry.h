#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace ui {

// A registry value as it is stored: its type and its bytes, which the rules
// of core/settings/RegistryText.h make text or a number of.
struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data;
};

// The text with its %variables% expanded as Windows does; as it is when
// that fails.
std::string ExpandEnvironment(const std::string& text);

// Reads a value whole, however large: the buffer grows when the value grew
// since its size was asked. The view picks HKEY_LOCAL_MACHINE's 32-bit or
// 64-bit side on 64-bit Windows (KEY_WOW64_32KEY, KEY_WOW64_64KEY), so that
// both builds read the same side; 0 reads the program's own. Nothing when
// the key or the value cannot be read.
std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& key,
                                               const std::string& name, REGSAM view = 0);

}  // namespace ui
