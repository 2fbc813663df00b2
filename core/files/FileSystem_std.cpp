#include <fstream>

#include "core/files/FileSystem.h"
#include "core/files/NativePath.h"

bool MakeFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::create_directory(NativePath(path), error) && !error;
}

bool FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(NativePath(path), error) && !error;
}

bool RemoveFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::remove(NativePath(path), error) && !error;
}

bool WriteWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces) {
    if (path.empty()) {
        return false;
    }
    std::ofstream file(NativePath(path), std::ios::binary | std::ios::trunc);
    for (const std::string_view piece : pieces) {
        file.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    }
    file.close();
    return static_cast<bool>(file);
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

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(NativePath(path), error);
    if (path.empty() || error) {
        return std::nullopt;
    }
    return FileIdentity{0, 0, static_cast<int64_t>(written.time_since_epoch().count())};
}

std::optional<uint64_t> FreeSpace(const std::string& folder) {
    std::error_code error;
    const auto space = std::filesystem::space(NativePath(folder), error);
    if (folder.empty() || error) {
        return std::nullopt;
    }
    return space.available;
}
