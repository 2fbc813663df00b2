#include <windows.h>

#include <algorithm>

#include "core/Unique.h"
#include "core/files/FileSystem.h"

namespace {

bool Usable(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

void CloseFile(HANDLE file) { CloseHandle(file); }

// An open file, closed on every way out; a failed open holds none.
using OpenedFile = Unique<HANDLE, CloseFile>;

OpenedFile Opened(HANDLE file) { return OpenedFile(file == INVALID_HANDLE_VALUE ? nullptr : file); }

}  // namespace

bool MakeFolder(const std::string& path) {
    return Usable(path) && CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool FolderExists(const std::string& path) {
    if (!Usable(path)) {
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool RemoveFile(const std::string& path) { return Usable(path) && DeleteFileA(path.c_str()) != 0; }

bool WriteWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces) {
    if (!Usable(path)) {
        return false;
    }
    // The game may be reading the reply at this moment; sharing keeps that from losing it.
    OpenedFile file =
        Opened(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    for (const std::string_view piece : pieces) {
        size_t written = 0;
        while (written < piece.size()) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<size_t>(piece.size() - written, 1u << 24));
            DWORD done = 0;
            if (!::WriteFile(file.Get(), piece.data() + written, chunk, &done, nullptr) ||
                done == 0) {
                return false;
            }
            written += done;
        }
    }
    return true;
}

Placed MoveIntoFreeName(const std::string& finished, const std::string& path) {
    if (!Usable(finished) || !Usable(path)) {
        return Placed::Failed;
    }
    if (MoveFileExA(finished.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return Placed::Done;
    }
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Placed::NameTaken
                                                                       : Placed::Failed;
}

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
    if (!Usable(path)) {
        return std::nullopt;
    }
    // No data access, so no other program's sharing rules keep us out; the
    // flag lets a folder of that name be looked at too.
    OpenedFile file =
        Opened(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !GetFileInformationByHandle(file.Get(), &info)) {
        return std::nullopt;
    }
    return FileIdentity{info.dwVolumeSerialNumber,
                        uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow,
                        static_cast<int64_t>(uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32 |
                                             info.ftLastWriteTime.dwLowDateTime)};
}

std::optional<uint64_t> FreeSpace(const std::string& folder) {
    ULARGE_INTEGER free{};
    if (!Usable(folder) || !GetDiskFreeSpaceExA(folder.c_str(), &free, nullptr, nullptr)) {
        return std::nullopt;
    }
    return free.QuadPart;
}
