#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Reading and writing registry values for the tests and the benchmark.
namespace registry {

// Stores raw bytes under a value, with exactly the given size.
void SetRaw(HKEY root, const std::string& key, const std::string& name, DWORD type,
            const std::string& bytes);
void SetText(HKEY root, const std::string& key, const std::string& name, const std::string& text);
void SetDword(HKEY root, const std::string& key, const std::string& name, DWORD value);

// The value's text when it exists as REG_SZ (without its terminating zero).
std::optional<std::string> Text(HKEY root, const std::string& key, const std::string& name);
bool KeyExists(HKEY root, const std::string& key);
DWORD ValueCount(HKEY root, const std::string& key);

}  // namespace registry
