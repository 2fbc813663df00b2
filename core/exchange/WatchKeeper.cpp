#include "core/exchange/WatchKeeper.h"

#include "core/exchange/RequestFiles.h"

void WatchKeeper::KeepOn(const std::string& gameFolder) {
    const std::string folder = gameFolder.empty() ? std::string() : ReplyFolder(gameFolder);
    const bool watching = watch_ && folder_ == folder && TakeIn();
    const TimePoint now = world_.Now();
    if (watching && now - checkedAt_ < kCheckEvery) {
        return;
    }
    checkedAt_ = now;
    const std::optional<uint64_t> index =
        folder.empty() ? std::nullopt : world_.FolderIndex(folder);
    if (!watching || index != folderIndex_) {
        Make(folder, index);
    }
}

void WatchKeeper::Make(const std::string& folder, std::optional<uint64_t> index) {
    const uint64_t before = watch_;
    End();
    // The folder's index is taken before the watch is made: a folder
    // replaced in between is then found out at the next check.
    if (index) {
        watch_ = world_.Watch(folder, kRequestName);
        folder_ = folder;
        folderIndex_ = index;
        told_ = TakeIn().value_or(NameCount{});
    }
    if (watch_ != before) {
        changed_(watch_);
    }
}

std::optional<NameCount> WatchKeeper::CheckedChanges(const std::string& folder,
                                                     const std::optional<NameCount>& told) {
    if (!watch_ || folder_ != folder) {
        return told;
    }
    const std::optional<uint64_t> index = world_.FolderIndex(folder);
    if (index == folderIndex_) {
        return told;
    }
    checkedAt_ = world_.Now();
    Make(folder, index);
    return Changes(folder);
}

std::optional<NameCount> WatchKeeper::TakeIn(bool woken) {
    const std::optional<NameCount> count = watch_ ? world_.Changes(watch_, woken) : std::nullopt;
    if (count && (taken_.empty() || !(taken_.back().second == *count))) {
        const TimePoint now = world_.Now();
        // The oldest is kept as what was counted before all the others.
        while (taken_.size() > 1 && now - taken_[1].first > kRemember) {
            taken_.erase(taken_.begin());
        }
        taken_.emplace_back(now, *count);
    }
    return count;
}

std::optional<NameCount> WatchKeeper::Changes(const std::string& folder) {
    return watch_ && folder_ == folder ? TakeIn() : std::nullopt;
}

std::optional<NameCount> WatchKeeper::ChangesBy(const std::string& folder, TimePoint then) const {
    if (!watch_ || folder_ != folder || taken_.empty()) {
        return std::nullopt;
    }
    auto by = taken_.begin();
    for (auto later = by; later != taken_.end() && later->first <= then; ++later) {
        by = later;
    }
    return by->second;
}

bool WatchKeeper::Woken() {
    const std::optional<NameCount> count = TakeIn(true);
    if (!count) {
        return true;
    }
    const bool news = count->watch != told_.watch || count->taken != told_.taken ||
                      count->given != told_.given || count->overflows != told_.overflows;
    told_ = *count;
    return news;
}

void WatchKeeper::End() {
    if (watch_) {
        world_.EndWatch(watch_);
    }
    watch_ = 0;
    folder_.clear();
    folderIndex_.reset();
    taken_.clear();
}
