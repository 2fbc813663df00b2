#include <windows.h>

#include "core/files/DirectoryReader_win.h"
#include "core/files/NameWatch.h"

struct NameWatch::System {
    System(const std::string& folder, const std::string& watched)
        : reader(folder), name(watched.begin(), watched.end()) {}
    DirectoryReader reader;
    std::wstring name;
};

NameWatch::NameWatch(const std::string& folder, const std::string& name, uint64_t number)
    : count_{number}, system_(std::make_unique<System>(folder, name)) {}

NameWatch::~NameWatch() = default;

bool NameWatch::Standing() const { return system_->reader.Standing(); }

std::optional<NameCount> NameWatch::Changes(bool woken) {
    DirectoryReader& reader = system_->reader;
    const std::wstring& watched = system_->name;
    for (;;) {
        const NameCount before = count_;
        const DirectoryReader::Told told =
            reader.Finish([&](NameAction action, std::wstring_view name) {
                if (CompareStringOrdinal(name.data(), static_cast<int>(name.size()), watched.data(),
                                         static_cast<int>(watched.size()), TRUE) == CSTR_EQUAL) {
                    Tally(count_, action);
                }
            });
        if (told == DirectoryReader::Told::Nothing || told == DirectoryReader::Told::Stopped) {
            break;
        }
        if (told == DirectoryReader::Told::Overflow) {
            TallyOverflow(count_);
        }
        if (woken && count_ == before) {
            ResetEvent(reader.Event());  // resting: nothing of the name, only others'
            break;
        }
        reader.Read();
    }
    if (reader.Standing() && !reader.Listening() && !woken) {
        reader.Read();
    }
    if (!reader.Standing()) {
        return std::nullopt;
    }
    return count_;
}

void* NameWatch::Event() const {
    return system_->reader.Standing() ? system_->reader.Event() : nullptr;
}
