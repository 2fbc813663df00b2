#include <windows.h>

#include <algorithm>
#include <cstdio>

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

bool RemoveFolder(const std::string& path) {
    return Usable(path) && RemoveDirectoryA(path.c_str()) != 0;
}

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search =
        Usable(folder) ? FindFirstFileA((folder + "\\*").c_str(), &found) : INVALID_HANDLE_VALUE;
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool CanMakeFilesIn(const std::string& folder) {
    if (!Usable(folder)) {
        return false;
    }
    // A new, empty file of a name nobody uses, gone again when it is closed.
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, "\\~%04lx.tmp",
                      static_cast<unsigned long>((GetTickCount() + attempt) & 0xFFFF));
        const std::string path = folder + name;
        const OpenedFile made = Opened(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                   CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (made) {
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    return false;
}

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

namespace {

// Opened with the given access and every sharing, so that no other
// program's sharing rules keep us out; a folder of that name opens too.
OpenedFile OpenShared(const std::string& path, DWORD access) {
    return Opened(CreateFileA(path.c_str(), access,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::optional<FileIdentity> IdentityOf(const OpenedFile& file, bool filesOnly = false) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !GetFileInformationByHandle(file.Get(), &info) ||
        (filesOnly && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))) {
        return std::nullopt;
    }
    return FileIdentity{info.dwVolumeSerialNumber,
                        uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow,
                        static_cast<int64_t>(uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32 |
                                             info.ftLastWriteTime.dwLowDateTime)};
}

}  // namespace

FileLook LookAtFile(const std::string& path) {
    if (!Usable(path)) {
        return {};
    }
    // Only the right to delete meets a writer's sharing; the handle goes at once.
    if (const OpenedFile file = OpenShared(path, DELETE | FILE_READ_ATTRIBUTES)) {
        return {IdentityOf(file)};
    }
    const bool held = GetLastError() == ERROR_SHARING_VIOLATION;
    return {IdentityOf(OpenShared(path, 0)), held};
}

bool RemoveFileIf(const std::string& path, const FileIdentity& identity) {
    if (!Usable(path)) {
        return false;
    }
    // The file is identified and deleted through one handle, so another
    // file cannot take its name in between. A folder is no file to delete.
    const OpenedFile file = OpenShared(path, DELETE | FILE_READ_ATTRIBUTES);
    FILE_DISPOSITION_INFO dispose{TRUE};
    return IdentityOf(file, true) == identity &&
           SetFileInformationByHandle(file.Get(), FileDispositionInfo, &dispose, sizeof dispose);
}

std::optional<uint64_t> FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!Usable(path) || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}

std::optional<uint64_t> FreeSpace(const std::string& folder) {
    ULARGE_INTEGER free{};
    if (!Usable(folder) || !GetDiskFreeSpaceExA(folder.c_str(), &free, nullptr, nullptr)) {
        return std::nullopt;
    }
    return free.QuadPart;
}
