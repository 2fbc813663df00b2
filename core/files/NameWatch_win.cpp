#include <windows.h>

#include <atomic>
#include <cwchar>
#include <utility>

#include "core/files/NameWatch.h"

namespace {

std::atomic<uint64_t> watchesMade{0};

}  // namespace

// The folder, opened for reading its changes, and one read of them always
// under way, which the system completes when something changes.
struct NameWatch::System {
    HANDLE folder = INVALID_HANDLE_VALUE;
    HANDLE event = nullptr;
    OVERLAPPED reading{};
    alignas(DWORD) char changes[8192];
    std::wstring name;
    bool standing = false;

    bool Read() {
        ResetEvent(event);
        reading = OVERLAPPED{};
        reading.hEvent = event;
        standing = ReadDirectoryChangesW(folder, changes, sizeof changes, FALSE,
                                         FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &reading, nullptr);
        return standing;
    }

    // Whether the changes read name the file as taken away.
    bool NameTaken(DWORD bytes) const {
        if (bytes == 0) {
            return true;  // more than the buffer holds: anything may have happened
        }
        for (DWORD offset = 0; offset < bytes;) {
            const auto* change = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(changes + offset);
            const std::wstring_view changed(change->FileName,
                                            change->FileNameLength / sizeof(WCHAR));
            const bool taken = change->Action == FILE_ACTION_REMOVED ||
                               change->Action == FILE_ACTION_RENAMED_OLD_NAME ||
                               change->Action == FILE_ACTION_RENAMED_NEW_NAME;
            if (taken && changed.size() == name.size() &&
                CompareStringOrdinal(changed.data(), static_cast<int>(changed.size()), name.data(),
                                     static_cast<int>(name.size()), TRUE) == CSTR_EQUAL) {
                return true;
            }
            if (change->NextEntryOffset == 0) {
                break;
            }
            offset += change->NextEntryOffset;
        }
        return false;
    }

    ~System() {
        if (standing) {
            CancelIoEx(folder, &reading);
            DWORD bytes = 0;
            GetOverlappedResult(folder, &reading, &bytes, TRUE);  // the buffer is ours again
        }
        if (event) {
            CloseHandle(event);
        }
        if (folder != INVALID_HANDLE_VALUE) {
            CloseHandle(folder);
        }
    }
};

NameWatch::NameWatch(const std::string& folder, const std::string& name)
    : folder_(folder), name_(name), count_{++watchesMade}, system_(std::make_unique<System>()) {
    System& system = *system_;
    system.name.assign(name.begin(), name.end());
    system.folder = CreateFileA(
        folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    system.event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (system.folder != INVALID_HANDLE_VALUE && system.event) {
        system.Read();
    }
}

NameWatch::~NameWatch() = default;

bool NameWatch::Standing() const { return system_->standing; }

std::optional<NameWatch::Count> NameWatch::Changes() {
    System& system = *system_;
    while (system.standing && WaitForSingleObject(system.event, 0) == WAIT_OBJECT_0) {
        DWORD bytes = 0;
        if (!GetOverlappedResult(system.folder, &system.reading, &bytes, FALSE)) {
            // The folder deleted (its handle then lets it go) or the drive gone.
            system.standing = false;
            ResetEvent(system.event);
            CloseHandle(std::exchange(system.folder, INVALID_HANDLE_VALUE));
            break;
        }
        count_.taken += system.NameTaken(bytes) ? 1 : 0;
        system.Read();
    }
    if (!system.standing) {
        return std::nullopt;
    }
    return count_;
}

void* NameWatch::Event() const { return system_->standing ? system_->event : nullptr; }
