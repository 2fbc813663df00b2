#pragma once

#include <string>

#include "core/settings/SettingsTable.h"

// The camera's own settings under HKEY_CURRENT_USER "Software\VDRCamera".

// The stored text; empty when the value is missing, not text, or empty.
std::string StoredSetting(Setting setting);

// Stores the text as REG_SZ; a failed write goes unnoticed.
void StoreSetting(Setting setting, const std::string& text);
