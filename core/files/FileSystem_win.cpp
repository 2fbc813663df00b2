#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>

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

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opened as the system names it: Windows opens a link itself here, Wine
// its target; a folder of that name opens too.
OpenedFile OpenNamed(const std::string& path, DWORD access, DWORD share = kShareAll,
                     DWORD disposition = OPEN_EXISTING) {
    return Opened(CreateFileA(path.c_str(), access, share, nullptr, disposition,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

// The path by which the system finally knows the open file, or nothing.
std::optional<std::string> FinalPath(HANDLE file) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetFinalPathNameByHandleA(file, path.data(), static_cast<DWORD>(path.size()),
                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) {
            return std::nullopt;
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length + 1);
    }
}

bool SameName(const std::string& one, const std::string& other) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, one.data(),
                          static_cast<int>(one.size()), other.data(),
                          static_cast<int>(other.size())) == CSTR_EQUAL;
}

// Whether the open file is the one its name names rather than one a link
// under the name leads to: not a link itself (as Windows opens it), and
// known finally as a file of that name in that folder (Wine opens the
// target, and names the target's own path).
bool IsNamedFile(HANDLE file, const std::string& path) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof tag) ||
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return false;
    }
    const size_t slash = path.find_last_of('\\');
    const std::optional<std::string> filePath = FinalPath(file);
    if (slash == std::string::npos || !filePath) {
        return false;
    }
    // Mostly nothing on the way is a link: the file is then known by the
    // name itself, and its folder need not be looked up.
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length > 0 && length < MAX_PATH && SameName(*filePath, "\\\\?\\" + std::string(full))) {
        return true;
    }
    const OpenedFile folder = OpenNamed(path.substr(0, slash), FILE_READ_ATTRIBUTES);
    const std::optional<std::string> folderPath = folder ? FinalPath(folder.Get()) : std::nullopt;
    return folderPath &&
           SameName(*filePath, *folderPath + (folderPath->back() == '\\' ? "" : "\\") +
                                   path.substr(slash + 1));
}

// The file's index on its volume, as the system's own call gives it: the
// documented calls that give it add the volume's serial number, which Wine
// looks up anew each time (over a millisecond, on every look at a request).
std::optional<uint64_t> IndexOf(HANDLE file) {
    struct Status {
        LONG status;
        ULONG_PTR information;
    };
    using Query = LONG(WINAPI*)(HANDLE, Status*, void*, ULONG, int);
    static const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
    constexpr int kFileInternalInformation = 6;
    Status status{};
    uint64_t index = 0;
    if (!query || query(file, &status, &index, sizeof index, kFileInternalInformation) < 0) {
        return std::nullopt;
    }
    return index;
}

std::optional<FileIdentity> IdentityOf(const OpenedFile& file, bool filesOnly = false) {
    FILE_BASIC_INFO basic{};
    if (!file || !GetFileInformationByHandleEx(file.Get(), FileBasicInfo, &basic, sizeof basic) ||
        (filesOnly && (basic.FileAttributes & FILE_ATTRIBUTE_DIRECTORY))) {
        return std::nullopt;
    }
    const std::optional<uint64_t> index = IndexOf(file.Get());
    if (!index) {
        return std::nullopt;
    }
    return FileIdentity{*index, basic.LastWriteTime.QuadPart};
}

bool Dispose(HANDLE file) {
    FILE_DISPOSITION_INFO dispose{TRUE};
    return SetFileInformationByHandle(file, FileDispositionInfo, &dispose, sizeof dispose);
}

// Whether the system refused the last open because the file is being
// deleted (a handle on it still open), which Windows reports as a plain
// "access denied".
bool OpenRefusedAsDeletePending() {
    using LastStatus = LONG(WINAPI*)();
    static const auto lastStatus = reinterpret_cast<LastStatus>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetLastNtStatus")));
    constexpr LONG kDeletePending = static_cast<LONG>(0xC0000056);
    return GetLastError() == ERROR_ACCESS_DENIED && lastStatus && lastStatus() == kDeletePending;
}

bool WritePieces(HANDLE file, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        size_t written = 0;
        while (written < piece.size()) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<size_t>(piece.size() - written, 1u << 24));
            DWORD done = 0;
            if (!::WriteFile(file, piece.data() + written, chunk, &done, nullptr) || done == 0) {
                return false;
            }
            written += done;
        }
    }
    return true;
}

Placed NewFileResult() {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Placed::NameTaken
                                                                       : Placed::Failed;
}

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

std::optional<uint64_t> FolderIndex(const std::string& path) {
    if (!Usable(path)) {
        return std::nullopt;
    }
    // As the system opens it: through a link, the folder it leads to.
    const OpenedFile folder =
        Opened(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FILE_BASIC_INFO basic{};
    if (!folder ||
        !GetFileInformationByHandleEx(folder.Get(), FileBasicInfo, &basic, sizeof basic) ||
        !(basic.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::nullopt;
    }
    return IndexOf(folder.Get());
}

bool RemoveFile(const std::string& path) {
    if (!Usable(path)) {
        return false;
    }
    const OpenedFile file = OpenNamed(path, DELETE | FILE_READ_ATTRIBUTES);
    return IdentityOf(file, true) && IsNamedFile(file.Get(), path) && Dispose(file.Get());
}

bool RemoveFolder(const std::string& path) {
    return Usable(path) && RemoveDirectoryA(path.c_str()) != 0;
}

std::optional<std::vector<std::string>> FileNames(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE search =
        Usable(folder) ? FindFirstFileA((folder + "\\*").c_str(), &found) : INVALID_HANDLE_VALUE;
    if (search == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    const bool whole = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    return whole ? std::optional(std::move(names)) : std::nullopt;
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
    // The game may be reading the reply at this moment; sharing keeps that
    // from losing it. A link to nothing fails the making, as anything there does.
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
    OpenedFile file = OpenNamed(path, GENERIC_WRITE, kShare);
    if (!file && GetLastError() == ERROR_FILE_NOT_FOUND) {
        file = OpenNamed(path, GENERIC_WRITE, kShare, CREATE_NEW);
    }
    if (!file || !IsNamedFile(file.Get(), path)) {
        return false;
    }
    return SetEndOfFile(file.Get()) && WritePieces(file.Get(), pieces);
}

Placed WriteNewFile(const std::string& path, std::initializer_list<std::string_view> pieces) {
    if (!Usable(path)) {
        return Placed::Failed;
    }
    // Shared with nobody until written: nothing can take its place meanwhile.
    const OpenedFile file = Opened(CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return NewFileResult();
    }
    // Deleted with its handle until it is whole, so that not even a program
    // ended while writing leaves a part of it behind.
    FILE_DISPOSITION_INFO keep{FALSE};
    if (!Dispose(file.Get()) || !WritePieces(file.Get(), pieces) ||
        !SetFileInformationByHandle(file.Get(), FileDispositionInfo, &keep, sizeof keep)) {
        Dispose(file.Get());
        return Placed::Failed;
    }
    return Placed::Done;
}

Placed MoveIntoFreeName(const std::string& finished, const std::string& path) {
    if (!Usable(finished) || !Usable(path)) {
        return Placed::Failed;
    }
    // Moved, not copied: the file appears under its name whole. (Wine hides
    // a link to nothing from every call but the making of a new file, so
    // only there can such a link be moved over.)
    if (MoveFileExA(finished.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return Placed::Done;
    }
    return NewFileResult();
}

FileLook LookAtFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!Usable(path) || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return {};
    }
    FileLook look;
    look.there = true;
    look.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    look.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    // Only the right to delete meets a writer's sharing; the handle goes at once.
    OpenedFile file = OpenNamed(path, DELETE | FILE_READ_ATTRIBUTES);
    if (!file) {
        look.held = GetLastError() == ERROR_SHARING_VIOLATION;
        look.leaving = OpenRefusedAsDeletePending();
        file = OpenNamed(path, FILE_READ_ATTRIBUTES);
    }
    if (file) {
        look.identity = IdentityOf(file);
        look.link = !IsNamedFile(file.Get(), path);
    }
    return look;
}

bool RemoveFileIf(const std::string& path, const FileIdentity& identity) {
    if (!Usable(path)) {
        return false;
    }
    // The file is identified and deleted through one handle, so another
    // file cannot take its name in between. A folder is no file to delete,
    // and a link is left alone.
    const OpenedFile file = OpenNamed(path, DELETE | FILE_READ_ATTRIBUTES);
    return IdentityOf(file, true) == identity && IsNamedFile(file.Get(), path) &&
           Dispose(file.Get());
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
