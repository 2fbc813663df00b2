#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/settings/SettingsTable.h"
#include "core/settings/Variant.h"

// The value's text when it exists as REG_SZ, otherwise the default.
std::string GetSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                            const std::string& defaultText);

// Creates the key when missing and stores the text as REG_SZ. A failed write
// goes unnoticed.
void SaveSettingValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                      const std::string& text);

// Reads a value with query-only access, whatever its type; empty when the
// key or value is missing. The root is a predefined key's number, as a
// variant. On 64-bit Windows, HKEY_LOCAL_MACHINE\Software has a 32-bit and
// a 64-bit view; the caller names the one to read (KEY_WOW64_32KEY or
// KEY_WOW64_64KEY).
// The value's type is handed back through `type` when one is given.
std::string GetMachineValue(const Variant& root, const std::string& keyPath,
                            const std::string& valueName, REGSAM view, DWORD* type = nullptr);

// The game's installation folder from its own key. The game's installer is
// a 32-bit program, so its view is asked first, then the 64-bit view. Only
// text counts as a folder; an expandable text is expanded.
std::string InstalledGameFolder();

// A predefined root key as the 32-bit number that GetMachineValue takes: its
// root is a variant, which the game's folder has always been looked up with
// as a number in text; a handle goes in and comes back out the same.
Variant RootNumber(HKEY root);

// Deletes a key that has no subkeys; true when the key is gone afterwards
// (also when it was not there).
bool DeleteKeyAndCheck(HKEY root, const std::string& keyPath);

// Lets a test see every SaveSettingValue, in order; empty to stop.
using SettingWriteObserver =
    std::function<void(const std::string& valueName, const std::string& text)>;
void ObserveSettingWrites(SettingWriteObserver observer);
