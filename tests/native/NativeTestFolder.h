#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "core/files/NativePath.h"

// A fresh folder for one test, removed afterwards. Path() is in the
// program's backslash form, Native() in the host's.
class NativeTestFolder {
public:
    NativeTestFolder() {
        std::random_device random;
        native_ = std::filesystem::temp_directory_path() /
                  ("vdrcam-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(native_);
    }
    ~NativeTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(native_, ignored);
    }
    NativeTestFolder(const NativeTestFolder&) = delete;
    NativeTestFolder& operator=(const NativeTestFolder&) = delete;

    std::string Path() const {
        std::string path = native_.string();
        for (char& c : path) {
            if (c == '/') {
                c = '\\';
            }
        }
        return path;
    }
    const std::filesystem::path& Native() const { return native_; }

private:
    std::filesystem::path native_;
};

inline void WriteNative(const std::string& path, const std::string& bytes) {
    std::ofstream file(NativePath(path), std::ios::binary | std::ios::trunc);
    file << bytes;
}

inline std::string ReadNative(const std::string& path) {
    std::ifstream file(NativePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
