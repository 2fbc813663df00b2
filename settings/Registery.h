#pragma once

#include <windows.h>

#include <string>

// The value's text when it exists as REG_SZ, otherwise the default.
std::string GetSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                            const std::string& defaultText);

// Creates the key when missing and stores the text as REG_SZ. A failed write
// goes unnoticed.
void SaveSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                      const std::string& text);

// Reads a text value with query-only access, an expandable one expanded;
// empty when the key or value is missing or holds no text. On 64-bit
// Windows, HKEY_LOCAL_MACHINE\Software has a 32-bit and a 64-bit view; the
// caller names the one to read (KEY_WOW64_32KEY or KEY_WOW64_64KEY).
std::string GetMachineValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                            REGSAM view);

// The game's installation folder from its own key. The game's installer is
// a 32-bit program, so its view is asked first, then the 64-bit view.
std::string InstalledGameFolder();

// Deletes a key that has no subkeys; true when the key is gone afterwards
// (also when it was not there).
bool DeleteKeyAndCheck(HKEY root, const std::string& keyPath);
