#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
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

std::optional<uint64_t> FolderIndex(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(NativePath(path).c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(info.st_ino);
}

bool RemoveFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::remove(NativePath(path), error) && !error;
}

bool RemoveFolder(const std::string& path) { return RemoveFile(path); }

std::optional<std::vector<std::string>> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(NativePath(folder), error), end;
         !error && entry != end; entry.increment(error)) {
        if (!entry->is_directory(error)) {
            names.push_back(entry->path().filename().string());
        }
    }
    return error ? std::nullopt : std::optional(std::move(names));
}

bool CanMakeFilesIn(const std::string& folder) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = folder + "\\~" + std::to_string(attempt) + ".tmp";
        // "x": only a new file, never one that is there.
        if (std::FILE* made = std::fopen(NativePath(path).c_str(), "wx")) {
            std::fclose(made);
            RemoveFile(path);
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
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

Placed WriteNewFile(const std::string& path, std::initializer_list<std::string_view> pieces) {
    // "x": only a new file, never one that is there.
    std::FILE* file = path.empty() ? nullptr : std::fopen(NativePath(path).c_str(), "wbx");
    if (!file) {
        return errno == EEXIST ? Placed::NameTaken : Placed::Failed;
    }
    bool written = true;
    for (const std::string_view piece : pieces) {
        written = written && std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
    }
    written = std::fclose(file) == 0 && written;
    if (!written) {
        RemoveFile(path);
        return Placed::Failed;
    }
    return Placed::Done;
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

namespace {

std::optional<FileIdentity> IdentifyFile(const std::string& path, bool* folder = nullptr) {
    struct stat info {};
    if (path.empty() || stat(NativePath(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    if (folder) {
        *folder = S_ISDIR(info.st_mode);
    }
    const auto written =
        std::chrono::seconds(info.st_mtim.tv_sec) + std::chrono::nanoseconds(info.st_mtim.tv_nsec);
    return FileIdentity{static_cast<uint64_t>(info.st_ino), static_cast<int64_t>(written.count())};
}

}  // namespace

// The host's files have no sharing rules: nobody holds one against a delete.
FileLook LookAtFile(const std::string& path) {
    FileLook look;
    look.identity = IdentifyFile(path, &look.folder);
    look.there = look.identity.has_value();
    return look;
}

bool RemoveFileIf(const std::string& path, const FileIdentity& identity) {
    return IdentifyFile(path) == identity && RemoveFile(path);
}

std::optional<uint64_t> FileSize(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(NativePath(path), error);
    if (path.empty() || error) {
        return std::nullopt;
    }
    return size;
}

std::optional<uint64_t> FreeSpace(const std::string& folder) {
    std::error_code error;
    const auto space = std::filesystem::space(NativePath(folder), error);
    if (folder.empty() || error) {
        return std::nullopt;
    }
    return space.available;
}
