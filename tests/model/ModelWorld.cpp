#include "ModelWorld.h"

#include <algorithm>
#include <utility>

#include "core/exchange/RequestFiles.h"

ModelWorld::ModelWorld(std::string folder, Options options)
    : folder_(std::move(folder)),
      request_(folder_ + "\\" + kRequestName),
      replyPath_(folder_ + "\\currentPhoto.db"),
      options_(std::move(options)) {}

void ModelWorld::Happen() { now_ += std::chrono::microseconds(1); }

uint64_t ModelWorld::NewIndex() {
    if (freed_.empty()) {
        return nextIndex_++;
    }
    const uint64_t index = freed_.back();
    freed_.pop_back();
    return index;
}

int64_t ModelWorld::Stamp() const {
    const auto time = now_.time_since_epoch();
    if (options_.timeGrain.count() == 0) {
        return time.count();
    }
    return (time - time % options_.timeGrain).count();
}

int ModelWorld::NewFile(int press) {
    File file;
    file.press = press;
    file.index = NewIndex();
    file.lastWrite = Stamp();
    files_.push_back(file);
    return static_cast<int>(files_.size() - 1);
}

FileIdentity ModelWorld::IdentityOf(const File& file) const { return {file.index, file.lastWrite}; }

void ModelWorld::LetGoIfUnused(int number) {
    File& file = files_[static_cast<size_t>(number)];
    if (file.alive && !file.named && !Handles(file)) {
        file.alive = false;
        file.pending = false;
        Free(file.index);
    }
}

void ModelWorld::GiveName(int file, NameAction action) {
    Happen();
    name_ = file;
    files_[static_cast<size_t>(file)].named = true;
    changes_.push_back({file, false, now_, now_});
    Tell(action, true, {changes_.size() - 1});
}

void ModelWorld::TakeName(NameAction action) {
    Happen();
    const int file = std::exchange(name_, 0);
    File& taken = files_[static_cast<size_t>(file)];
    taken.named = false;
    taken.pending = false;
    lastLetGo_ = taken.lastWrite;
    changes_.push_back({file, true, now_, now_});
    Tell(action, true, {changes_.size() - 1});
    LetGoIfUnused(file);
}

void ModelWorld::Tell(NameAction action, bool aboutTheName, std::vector<size_t> changes) {
    Happen();
    // A watch of file names is told nothing of a folder's coming and going.
    const bool ofAFolder = !changes.empty() && FileNumber(changes_[changes.front()].file).folder;
    const Lost lost = !options_.watchable ? Lost::NoWatch
                      : ofAFolder         ? Lost::NotAFile
                      : deaf_             ? Lost::Deaf
                                          : Lost::No;
    for (const size_t change : changes) {
        changes_[change].lost = lost;
        changes_[change].watched = watch_ != 0 && lost == Lost::No;
    }
    if (!watch_ || lost != Lost::No) {
        return;
    }
    // Told in the order of happening, each no sooner than its lag.
    TimePoint at = now_;
    if (aboutTheName && options_.lag) {
        at += options_.lag();
    }
    if (!untold_.empty()) {
        at = std::max(at, untold_.back().at);
    }
    for (const size_t change : changes) {
        changes_[change].toldAt = at;
    }
    untold_.push_back({at, action, aboutTheName, false, std::move(changes)});
    if (untold_.size() > options_.watchHolds) {
        LoseWhatIsUntold(Lost::Overflow);
        changes_.push_back({0, false, now_, at, Lost::No, true});
        untold_.push_back({at, NameAction::Modified, false, true, {changes_.size() - 1}});
    }
}

void ModelWorld::LoseWhatIsUntold(Lost why) {
    for (const Told& told : untold_) {
        for (const size_t change : told.changes) {
            changes_[change].lost = why;
        }
    }
    untold_.clear();
}

bool ModelWorld::WatchSignalled() const {
    return watch_ && !resting_ && !untold_.empty() && untold_.front().at <= now_;
}

bool ModelWorld::Make(Share share) {
    if (writer_) {
        return false;
    }
    if (name_) {
        File& file = files_[static_cast<size_t>(name_)];
        // Windows refuses to open a file being deleted; Wine opens it, doomed.
        if (file.link || file.folder || file.readOnly || file.holding ||
            (file.pending && options_.system == System::Windows)) {
            return false;
        }
        file.lastWrite = Stamp();
        writer_ = name_;
    } else {
        writer_ = NewFile(++presses_);
        GiveName(writer_, NameAction::Added);
    }
    writerShare_ = share;
    File& held = files_[static_cast<size_t>(writer_)];
    (share == Share::Everything ? held.sharing : held.holding) += 1;
    return true;
}

bool ModelWorld::Write() {
    if (!writer_) {
        return false;
    }
    files_[static_cast<size_t>(writer_)].lastWrite = Stamp();
    return true;
}

bool ModelWorld::Close() {
    if (!writer_) {
        return false;
    }
    File& file = files_[static_cast<size_t>(writer_)];
    (writerShare_ == Share::Everything ? file.sharing : file.holding) -= 1;
    const int closed = std::exchange(writer_, 0);
    if (file.pending && !Handles(file) && name_ == closed) {
        TakeName(NameAction::Removed);
    }
    LetGoIfUnused(closed);
    return true;
}

bool ModelWorld::Delete() {
    if (!name_) {
        return false;
    }
    File& file = files_[static_cast<size_t>(name_)];
    if (file.folder || file.readOnly || file.holding || file.pending) {
        return false;
    }
    if (file.sharing) {
        MarkPending(file);
    } else {
        TakeName(NameAction::Removed);
    }
    return true;
}

bool ModelWorld::RenameOver() {
    if (writer_) {
        return false;
    }
    if (name_) {
        const File& old = files_[static_cast<size_t>(name_)];
        if (old.folder || old.readOnly || old.holding ||
            (old.pending && options_.system == System::Windows)) {
            return false;
        }
    }
    const int made = NewFile(++presses_);
    Tell(NameAction::Added, false);
    Tell(NameAction::RenamedFrom, false);
    std::vector<size_t> changes;
    Happen();
    if (name_) {
        const int old = std::exchange(name_, 0);
        files_[static_cast<size_t>(old)].named = false;
        files_[static_cast<size_t>(old)].pending = false;
        lastLetGo_ = FileNumber(old).lastWrite;
        changes_.push_back({old, true, now_, now_});
        changes.push_back(changes_.size() - 1);
        LetGoIfUnused(old);
    }
    name_ = made;
    files_[static_cast<size_t>(made)].named = true;
    changes_.push_back({made, false, now_, now_});
    changes.push_back(changes_.size() - 1);
    Tell(NameAction::RenamedTo, true, std::move(changes));
    return true;
}

bool ModelWorld::Rewrite() {
    if (!name_ || writer_) {
        return false;
    }
    File& file = files_[static_cast<size_t>(name_)];
    if (file.link || file.folder || file.readOnly || file.holding ||
        (file.pending && options_.system == System::Windows)) {
        return false;
    }
    file.lastWrite = Stamp();
    return true;
}

bool ModelWorld::RenameAway() {
    if (!name_) {
        return false;
    }
    const int moved = name_;
    File& file = files_[static_cast<size_t>(moved)];
    if (file.link || file.folder || file.holding ||
        (file.pending && options_.system == System::Windows)) {
        return false;
    }
    TakeName(NameAction::RenamedFrom);
    Tell(NameAction::RenamedTo, false);
    Tell(NameAction::Removed, false);
    // Deleted under its other name: gone once its last handle closes.
    if (Handles(files_[static_cast<size_t>(moved)])) {
        MarkPending(files_[static_cast<size_t>(moved)]);
    }
    return true;
}

bool ModelWorld::Link() {
    if (name_ || writer_) {
        return false;
    }
    const int target = NewFile(0);
    const int link = NewFile(++presses_);
    files_[static_cast<size_t>(link)].link = true;
    files_[static_cast<size_t>(link)].target = target;
    files_[static_cast<size_t>(target)].named = true;  // it has its own name elsewhere
    GiveName(link, NameAction::Added);
    return true;
}

void ModelWorld::MakeOtherFile() { Tell(NameAction::Added, false); }

void ModelWorld::Flood() {
    for (size_t file = 0; file <= options_.watchHolds; ++file) {
        Tell(NameAction::Added, false);
    }
}

bool ModelWorld::ReplaceFolder(Replaced how) {
    if (writer_) {
        return false;
    }
    // A watch's handle keeps the folder it stands on, and its index, from
    // being given to another: ext4 gives a folder made at once after one
    // deleted the deleted one's inode, but not while it is open.
    const bool held = watch_ != 0;
    if (how == Replaced::Deleted) {
        if (name_) {
            TakeName(NameAction::Removed);
        }
        // Windows' watch then fails, and what it had not told is lost.
        if (options_.system == System::Windows) {
            LoseWhatIsUntold(Lost::WatchGone);
            watch_ = 0;
        }
        if (!held) {
            Free(folderIndex_);
        }
    } else if (name_) {
        // Out of sight with its folder, and told of nowhere.
        Happen();
        const int covered = std::exchange(name_, 0);
        lastLetGo_ = FileNumber(covered).lastWrite;
        changes_.push_back({covered, true, now_, now_, Lost::Deaf});
    }
    deaf_ = watch_ != 0;
    folderIndex_ = NewIndex();
    lostTrack_.push_back(now_);
    return true;
}

bool ModelWorld::LoseWatch() {
    if (!watch_) {
        return false;
    }
    LoseWhatIsUntold(Lost::WatchGone);
    watch_ = 0;
    lostTrack_.push_back(now_);
    return true;
}

bool ModelWorld::MakeFolder() {
    if (name_ || writer_) {
        return false;
    }
    const int folder = NewFile(0);
    files_[static_cast<size_t>(folder)].folder = true;
    GiveName(folder, NameAction::Added);
    return true;
}

bool ModelWorld::RemoveFolder() {
    if (!name_ || !FileNumber(name_).folder) {
        return false;
    }
    TakeName(NameAction::Removed);
    return true;
}

bool ModelWorld::SetReadOnly(bool readOnly) {
    if (!name_ || FileNumber(name_).link || FileNumber(name_).folder ||
        FileNumber(name_).readOnly == readOnly) {
        return false;
    }
    files_[static_cast<size_t>(name_)].readOnly = readOnly;
    return true;
}

bool ModelWorld::CopyKeepingTime() {
    if (name_ || writer_) {
        return false;
    }
    const int copy = NewFile(++presses_);
    GiveName(copy, NameAction::Added);
    files_[static_cast<size_t>(copy)].lastWrite = lastLetGo_;
    return true;
}

void ModelWorld::MarkPending(File& file) {
    if (!file.pending) {
        file.pending = true;
        file.pendingSince = now_;
    }
}

FileLook ModelWorld::Look(const std::string& path) {
    const FileLook look = See(path);
    if (options_.afterLooking) {
        options_.afterLooking();
    }
    return look;
}

FileLook ModelWorld::See(const std::string& path) {
    Sighting& sighting = sightings_.emplace_back(Sighting{.at = now_, .watch = watch_});
    if (path != request_ || !name_) {
        return {};
    }
    const File& file = files_[static_cast<size_t>(name_)];
    if (file.pending && options_.system == System::Windows) {
        return {};
    }
    FileLook look;
    look.there = true;
    look.link = file.link;
    const File& opened = file.link && options_.system == System::Wine
                             ? files_[static_cast<size_t>(file.target)]
                             : file;
    if (!opened.alive) {
        return {};  // a link whose target has gone: nothing opens, nor are attributes read
    }
    look.identity = IdentityOf(opened);
    look.held = opened.holding > 0;
    look.folder = opened.folder;
    look.readOnly = opened.readOnly;
    sighting.file = name_;
    sighting.lastWrite = opened.lastWrite;
    sighting.held = look.held;
    sighting.readOnly = look.readOnly;
    return look;
}

bool ModelWorld::RemoveIf(const std::string& path, const FileIdentity& identity) {
    if (path != request_ || !name_) {
        return false;
    }
    File& file = files_[static_cast<size_t>(name_)];
    if (file.folder || (file.pending && options_.system == System::Windows)) {
        return false;
    }
    if (file.link || file.holding || file.readOnly) {
        deletions_.push_back({now_, name_, true, sightings_.size()});
        return false;
    }
    if (!(IdentityOf(file) == identity)) {
        return false;
    }
    deletions_.push_back({now_, name_, false, sightings_.size()});
    if (file.sharing) {
        MarkPending(file);
    } else {
        TakeName(NameAction::Removed);
    }
    return true;
}

std::optional<uint64_t> ModelWorld::FolderIndex(const std::string& folder) {
    return folder == folder_ ? std::optional(folderIndex_) : std::nullopt;
}

bool ModelWorld::WriteReply(const std::string& path, const std::string& line) {
    if (path != replyPath_ || replyHeld_) {
        return false;
    }
    reply_ = line;
    return true;
}

uint64_t ModelWorld::Watch(const std::string& folder, const std::string&) {
    if (!options_.watchable || folder != folder_) {
        return 0;
    }
    EndWatch(watch_);
    watch_ = ++watchesMade_;
    count_ = NameCount{watch_};
    deaf_ = false;
    resting_ = false;
    return watch_;
}

std::optional<NameCount> ModelWorld::Changes(uint64_t watch, bool woken) {
    if (!watch || watch != watch_) {
        return std::nullopt;
    }
    // Resting, the watch takes in nothing until a look.
    if (woken && resting_) {
        return count_;
    }
    const NameCount before = count_;
    while (!untold_.empty() && untold_.front().at <= now_) {
        const Told& told = untold_.front();
        if (told.overflow) {
            TallyOverflow(count_);
        } else if (told.aboutTheName) {
            Tally(count_, told.action);
        }
        for (const size_t change : told.changes) {
            changes_[change].resting = resting_;
        }
        untold_.pop_front();
    }
    resting_ = woken && count_ == before;
    return count_;
}

void ModelWorld::EndWatch(uint64_t watch) {
    if (watch && watch == watch_) {
        LoseWhatIsUntold(Lost::WatchGone);
        watch_ = 0;
        deaf_ = false;
        resting_ = false;
    }
}
