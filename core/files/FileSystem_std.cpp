#include <fstream>

#include "core/files/FileSystem.h"
#include "core/files/NativePath.h"

bool MakeFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::create_directory(NativePath(path), error) && !error;
}

bool RemoveFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::remove(NativePath(path), error) && !error;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) {
        return false;
    }
    std::ofstream file(NativePath(path), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

bool ReplaceWith(const std::string& finished, const std::string& path) {
    std::error_code error;
    std::filesystem::rename(NativePath(finished), NativePath(path), error);
    return !error;
}

Placed MoveIntoFreeName(const std::string& finished, const std::string& path) {
    // A hard link is never made over an existing name, so the check and the
    // move are one step.
    std::error_code error;
    std::filesystem::create_hard_link(NativePath(finished), NativePath(path), error);
    if (error) {
        return std::filesystem::exists(NativePath(path)) ? Placed::NameTaken : Placed::Failed;
    }
    std::filesystem::remove(NativePath(finished), error);
    return Placed::Done;
}
