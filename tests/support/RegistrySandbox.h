#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Redirects HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process to
// scratch keys, so tests never touch the real user's registry and can write
// the "machine" keys without rights.
namespace sandbox {

void Install();
void Remove();

// Empties both scratch roots.
void Clear();

// Stores raw bytes under a value, with exactly the given size.
void SetRaw(HKEY root, const std::string& key, const std::string& name, DWORD type,
            const std::string& bytes);
void SetText(HKEY root, const std::string& key, const std::string& name, const std::string& text);
void SetDword(HKEY root, const std::string& key, const std::string& name, DWORD value);

// The value's text when it exists as REG_SZ (without its terminating zero).
std::optional<std::string> Text(HKEY root, const std::string& key, const std::string& name);
bool KeyExists(HKEY root, const std::string& key);
DWORD ValueCount(HKEY root, const std::string& key);

}  // namespace sandbox
