#pragma once

#include <filesystem>
#include <string>

// The host build runs the platform-free code on a system whose separator is
// "/" and that has no drives: the program's Windows-style paths are mapped
// onto it here, "C:\tmp" to "/tmp", so that a full path is one there too.
inline std::filesystem::path NativePath(const std::string& path) {
#ifdef _WIN32
    std::string mapped = path;
#else
    std::string mapped = path.starts_with("C:\\") ? path.substr(2) : path;
#endif
    for (char& c : mapped) {
        if (c == '\\') {
            c = '/';
        }
    }
    return std::filesystem::path(mapped);
}
