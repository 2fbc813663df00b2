#include <windows.h>

#include <cwchar>
#include <utility>
#include <vector>

#include "core/files/NameWatch.h"

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

// The folder, opened for reading its changes, and one read of them always
// under way, which the system completes when something changes.
struct NameWatch::System {
    HANDLE folder = INVALID_HANDLE_VALUE;
    HANDLE event = nullptr;
    OVERLAPPED reading{};
    // Room for a few hundred changes between two reads: the camera reads
    // again as soon as it is woken, so only a flood overflows it.
    std::vector<DWORD> changes = std::vector<DWORD>(16384);
    std::wstring name;
    bool standing = false;
    bool listening = false;  // a read under way

    void Read() {
        ResetEvent(event);
        reading = OVERLAPPED{};
        reading.hEvent = event;
        standing = listening = ReadDirectoryChangesW(
            folder, changes.data(), static_cast<DWORD>(changes.size() * sizeof(DWORD)), FALSE,
            FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &reading, nullptr);
    }

    // Counts what the changes read tell of the name.
    void Tally(NameCount& count, DWORD bytes) const {
        const auto* base = reinterpret_cast<const char*>(changes.data());
        for (DWORD offset = 0; offset < bytes;) {
            const auto* change = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(base + offset);
            const int length = static_cast<int>(change->FileNameLength / sizeof(WCHAR));
            if (CompareStringOrdinal(change->FileName, length, name.data(),
                                     static_cast<int>(name.size()), TRUE) == CSTR_EQUAL) {
                ::Tally(count, ActionOf(change->Action));
            }
            if (change->NextEntryOffset == 0) {
                break;
            }
            offset += change->NextEntryOffset;
        }
    }

    ~System() {
        if (listening) {
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

NameWatch::NameWatch(const std::string& folder, const std::string& name, uint64_t number)
    : count_{number}, system_(std::make_unique<System>()) {
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

std::optional<NameCount> NameWatch::Changes(bool woken) {
    System& system = *system_;
    while (system.listening && WaitForSingleObject(system.event, 0) == WAIT_OBJECT_0) {
        system.listening = false;
        const NameCount before = count_;
        DWORD bytes = 0;
        if (GetOverlappedResult(system.folder, &system.reading, &bytes, FALSE)) {
            // Windows tells of an overflow as a read of nothing.
            if (bytes == 0) {
                TallyOverflow(count_);
            }
            system.Tally(count_, bytes);
        } else if (GetLastError() == ERROR_NOTIFY_ENUM_DIR) {
            TallyOverflow(count_);  // Wine's way of telling of an overflow
        } else {
            // The folder deleted (its handle then lets it go) or the drive gone.
            system.standing = false;
            ResetEvent(system.event);
            CloseHandle(std::exchange(system.folder, INVALID_HANDLE_VALUE));
            break;
        }
        if (woken && count_ == before) {
            ResetEvent(system.event);  // resting: nothing of the name, only others'
            break;
        }
        system.Read();
    }
    if (system.standing && !system.listening && !woken) {
        system.Read();
    }
    if (!system.standing) {
        return std::nullopt;
    }
    return count_;
}

void* NameWatch::Event() const { return system_->standing ? system_->event : nullptr; }
