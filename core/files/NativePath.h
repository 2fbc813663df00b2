#pragma once

#include <filesystem>
#include <string>

// The host build runs the platform-free code on a system whose separator is
// "/": the program's Windows-style paths are mapped onto it here.
inline std::filesystem::path NativePath(const std::string& path) {
    std::string mapped = path;
    for (char& c : mapped) {
        if (c == '\\') {
            c = '/';
        }
    }
    return std::filesystem::path(mapped);
}
