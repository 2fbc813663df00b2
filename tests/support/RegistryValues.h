#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// Reading and writing registry values for the tests and the benchmark.
namespace registry {

// Stores raw bytes under a value, with exactly the given size. The view
// (KEY_WOW64_32KEY or KEY_WOW64_64KEY) picks a side of HKEY_LOCAL_MACHINE.
void SetRaw(HKEY root, const std::string& key, const std::string& name, DWORD type,
            const std::string& bytes, REGSAM view = 0);
void SetText(HKEY root, const std::string& key, const std::string& name, const std::string& text,
             REGSAM view = 0);
// Removes the key and everything below it, in the given view.
void DeleteTree(HKEY root, const std::string& key, REGSAM view = 0);
void SetDword(HKEY root, const std::string& key, const std::string& name, DWORD value);

// The value's text when it exists as REG_SZ (without its terminating zero).
std::optional<std::string> Text(HKEY root, const std::string& key, const std::string& name);
bool KeyExists(HKEY root, const std::string& key);
// How many values a key holds, and when it or one of them was last written.
struct KeyInfo {
    DWORD values = 0;
    uint64_t lastWrite = 0;
};
KeyInfo Info(HKEY root, const std::string& key);

}  // namespace registry
