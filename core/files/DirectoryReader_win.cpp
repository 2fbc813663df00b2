#include "core/files/DirectoryReader_win.h"

#include <utility>

namespace {

NameAction ActionOf(DWORD action) {
    switch (action) {
        case FILE_ACTION_ADDED:
            return NameAction::Added;
        case FILE_ACTION_REMOVED:
            return NameAction::Removed;
        case FILE_ACTION_RENAMED_OLD_NAME:
            return NameAction::RenamedFrom;
        case FILE_ACTION_RENAMED_NEW_NAME:
            return NameAction::RenamedTo;
    }
    return NameAction::Modified;
}

}  // namespace

DirectoryReader::DirectoryReader(const std::string& folder) {
    folder_ = CreateFileA(
        folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    event_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (folder_ != INVALID_HANDLE_VALUE && event_) {
        Read();
    }
}

DirectoryReader::~DirectoryReader() {
    if (listening_) {
        CancelIoEx(folder_, &reading_);
        DWORD bytes = 0;
        GetOverlappedResult(folder_, &reading_, &bytes, TRUE);  // the buffer is ours again
    }
    if (event_) {
        CloseHandle(event_);
    }
    if (folder_ != INVALID_HANDLE_VALUE) {
        CloseHandle(folder_);
    }
}

void DirectoryReader::Read() {
    ResetEvent(event_);
    reading_ = OVERLAPPED{};
    reading_.hEvent = event_;
    standing_ = listening_ = ReadDirectoryChangesW(
        folder_, changes_.data(), static_cast<DWORD>(changes_.size() * sizeof(DWORD)), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &reading_, nullptr);
}

DirectoryReader::Told DirectoryReader::Finish(
    const std::function<void(NameAction, std::wstring_view)>& change) {
    if (!listening_ || WaitForSingleObject(event_, 0) != WAIT_OBJECT_0) {
        return Told::Nothing;
    }
    listening_ = false;
    DWORD bytes = 0;
    if (!GetOverlappedResult(folder_, &reading_, &bytes, FALSE)) {
        if (GetLastError() == ERROR_NOTIFY_ENUM_DIR) {
            return Told::Overflow;  // Wine's way of telling of one
        }
        // The folder deleted (its handle then lets it go) or the drive gone.
        standing_ = false;
        ResetEvent(event_);
        CloseHandle(std::exchange(folder_, INVALID_HANDLE_VALUE));
        return Told::Stopped;
    }
    // Windows tells of an overflow as a read of nothing.
    if (bytes == 0) {
        return Told::Overflow;
    }
    const auto* base = reinterpret_cast<const char*>(changes_.data());
    for (DWORD offset = 0; offset < bytes;) {
        const auto* told = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(base + offset);
        change(ActionOf(told->Action),
               std::wstring_view(told->FileName, told->FileNameLength / sizeof(WCHAR)));
        if (told->NextEntryOffset == 0) {
            break;
        }
        offset += told->NextEntryOffset;
    }
    return Told::Names;
}
