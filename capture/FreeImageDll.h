#pragma once

#include <windows.h>

#include <optional>
#include <string>

// FreeImage.dll is loaded only from the program's own folder (see
// FreeImage()); this is that folder for any loaded module, or nothing when
// the module's path cannot be had whole: a path cut at a buffer's end would
// name some other folder.
std::optional<std::string> ModuleFolder(HMODULE module);
