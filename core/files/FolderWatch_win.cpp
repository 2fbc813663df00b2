#include <windows.h>

#include "core/files/DirectoryReader_win.h"
#include "core/files/FolderWatch.h"

struct FolderWatch::System {
    explicit System(const std::string& folder) : reader(folder) {}
    DirectoryReader reader;
    bool lost = false;  // an overflow, or the watch stopped: nothing more can be said
};

FolderWatch::FolderWatch(const std::string& folder) : system_(std::make_unique<System>(folder)) {}

FolderWatch::~FolderWatch() = default;

std::optional<std::vector<FolderWatch::Change>> FolderWatch::Take() {
    System& system = *system_;
    std::vector<Change> changes;
    for (;;) {
        const DirectoryReader::Told told =
            system.reader.Finish([&](NameAction action, std::wstring_view name) {
                char narrow[MAX_PATH];
                const int length =
                    WideCharToMultiByte(CP_ACP, 0, name.data(), static_cast<int>(name.size()),
                                        narrow, static_cast<int>(sizeof narrow), nullptr, nullptr);
                changes.push_back({action, std::string(narrow, length > 0 ? length : 0)});
            });
        if (told == DirectoryReader::Told::Nothing) {
            break;
        }
        // Once anything is missed, nothing more is read: the folder is listed again.
        if (told != DirectoryReader::Told::Names) {
            system.lost = true;
            break;
        }
        system.reader.Read();
    }
    if (system.lost || !system.reader.Standing()) {
        return std::nullopt;
    }
    return changes;
}
