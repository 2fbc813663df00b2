#include "core/photo/TakenNumbers.h"

#include <utility>

#include "core/files/FileSystem.h"
#include "core/photo/BitmapFile.h"

namespace {

uint8_t Bit(const PhotoFile& file) { return file.companion ? 2 : 1; }

}  // namespace

void TakenNumbers::Keep(const std::string& folder) {
    if (folder.empty() || Known(folder, false)) {
        return;
    }
    if (listing_.valid() && folder == folder_) {
        TakeInListing(false);
        return;
    }
    known_ = false;
    folder_ = folder;
    // The watch first: what happens while the folder is listed is told after.
    folderIndex_ = FolderIndex(folder);
    checkedAt_ = std::chrono::steady_clock::now();
    watch_ = std::make_unique<FolderWatch>(folder);
    const bool removeLeftScratch = !std::exchange(listedOnce_, true);
    listing_ = std::async(std::launch::async,
                          [list = list_, &naming = naming_, folder, removeLeftScratch] {
                              std::optional<std::vector<std::string>> names = list(folder);
                              if (names && removeLeftScratch) {
                                  RemoveLeftScratchFiles(naming, folder, *names);
                              }
                              return names;
                          });
}

void TakenNumbers::TakeInListing(bool wait) {
    using namespace std::chrono_literals;
    if (!listing_.valid() || (!wait && listing_.wait_for(0s) != std::future_status::ready)) {
        return;
    }
    const std::optional<std::vector<std::string>> names = listing_.get();
    const std::optional<std::vector<FolderWatch::Change>> since = watch_->Take();
    if (!folderIndex_ || !names || !since) {
        return;  // no watch: the numbers cannot be kept, and are looked up
    }
    held_.clear();
    for (const std::string& name : *names) {
        Tell(NameAction::Added, name);
    }
    for (const FolderWatch::Change& change : *since) {
        Tell(change.action, change.name);
    }
    known_ = true;
}

bool TakenNumbers::Known(const std::string& folder, bool press) {
    if (!known_ || folder != folder_) {
        return false;
    }
    // A folder replaced under the watch, which Wine's outlives, deaf.
    const auto now = std::chrono::steady_clock::now();
    using namespace std::chrono_literals;
    const bool check = now - checkedAt_ >= (press ? 100ms : 1s);
    checkedAt_ = check ? now : checkedAt_;
    std::optional<std::vector<FolderWatch::Change>> changes = watch_->Take();
    if (!changes || (check && FolderIndex(folder) != folderIndex_)) {
        known_ = false;
        return false;
    }
    for (const FolderWatch::Change& change : *changes) {
        Tell(change.action, change.name);
    }
    return true;
}

void TakenNumbers::Tell(NameAction action, const std::string& name) {
    const std::optional<PhotoFile> file = naming_.fileNamed(name);
    if (!file) {
        return;
    }
    uint8_t& held = held_[file->number];
    switch (action) {
        case NameAction::Added:
        case NameAction::RenamedTo:
            held |= Bit(*file);
            break;
        case NameAction::Removed:
        case NameAction::RenamedFrom:
            held &= static_cast<uint8_t>(~Bit(*file));
            break;
        case NameAction::Modified:
            break;
    }
    if (!held) {
        held_.erase(file->number);
    }
}

std::optional<int32_t> TakenNumbers::FirstFree(const std::string& folder, int32_t from) {
    // A press before the first tick: an earlier run's scratch files go
    // first, or they would go with this photo's own.
    if (!listedOnce_) {
        Keep(folder);
    }
    if (folder == folder_) {
        TakeInListing(true);
    }
    if (!Known(folder, true)) {
        return FirstFreeNumber(naming_, folder, from);
    }
    return FirstNumberNotTaken(naming_, from,
                               [this](int32_t number) { return held_.contains(number); });
}

void TakenNumbers::Forget() {
    if (listing_.valid()) {
        listing_.wait();
    }
    listing_ = {};
    watch_.reset();
    known_ = false;
    folder_.clear();
}

void TakenNumbers::Hold(const std::string& folder, int32_t number) {
    if (known_ && folder == folder_) {
        held_[number] |= 1;
    }
}

NumberedPhoto StoreUnderFreeNumber(const DibImage& picture, TakenNumbers& numbers,
                                   const std::string& folder, int32_t from) {
    const PhotoNaming& naming = numbers.Naming();
    // Bounded, in case something keeps taking the names just ahead of this one.
    constexpr int kNamesToTry = 100;
    int32_t number = from;
    for (int tried = 0; tried < kNamesToTry; ++tried) {
        const std::optional<int32_t> free = numbers.FirstFree(folder, number);
        if (!free) {
            break;
        }
        number = *free;
        const std::string path = naming.bitmap(folder, number);
        const Placed placed = naming.scratch
                                  ? SaveNewBitmapFile(picture, naming.scratch(folder, number), path)
                                  : WriteNewFile(path, {BmpHeader(picture), picture.Pixels()});
        // Ours now; or, written in place and found taken, another's that came first.
        if (placed == Placed::Done || (placed == Placed::NameTaken && !naming.scratch)) {
            numbers.Hold(folder, number);
        }
        if (placed != Placed::NameTaken || number == naming.lastNumber) {
            return {placed, number};
        }
        ++number;
    }
    return {Placed::NameTaken, number};
}
