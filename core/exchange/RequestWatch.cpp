#include "core/exchange/RequestWatch.h"

#include "core/exchange/RequestFiles.h"

Sight RequestWatch::Observe(const std::string& path, const std::string& folder,
                            const std::optional<Served>& served) {
    // The watch first: a change it tells of is then one the look already shows.
    Sight sight;
    sight.names = keeper_.Changes(folder);
    sight.look = world_.Look(path);
    folderSeen_ = sight.look.folder;
    if (sight.look.there) {
        sight.names = keeper_.CheckedChanges(folder, sight.names);
    }
    if (served) {
        sight.namesAtSettling = keeper_.ChangesBy(folder, served->seenAt + kWatchLag);
    }
    return sight;
}

bool RequestWatch::LookAndAct(const std::string& path, const std::string& folder,
                              LookMoment moment) {
    for (int looks = 0; looks < 2; ++looks) {
        const bool ours = following_ && following_->path == path;
        const std::optional<Served> served =
            ours ? std::optional(following_->served) : std::nullopt;
        const Sight sight = Observe(path, folder, served);
        const Step step = Decide(served, sight, moment, world_.Now());
        if (step.kept) {
            following_ = Following{path, folder, *step.kept};
        } else if (ours) {
            following_.reset();
        }
        nextWaiting_ = nextWaiting_ || step.pollAgain;
        if (step.photograph) {
            return true;
        }
        if (!step.remove || !world_.RemoveIf(path, *sight.look.identity)) {
            break;
        }
        following_->served = Removed(following_->served);
    }
    return false;
}

void RequestWatch::LookAgain(LookMoment moment) {
    if (following_) {
        const Following following = *following_;
        LookAndAct(following.path, following.folder, moment);
    }
}

bool RequestWatch::Poll(const std::string& gameFolder, const std::function<void()>& takePhoto) {
    nextWaiting_ = false;
    if (gameFolder.empty() ||
        !LookAndAct(RequestPath(gameFolder), ReplyFolder(gameFolder), LookMoment::Poll)) {
        return false;
    }
    // The capture may let a look through, and that find the request gone.
    try {
        takePhoto();
    } catch (...) {
        LookAgain(LookMoment::AfterPhoto);
        throw;
    }
    LookAgain(LookMoment::AfterPhoto);
    return true;
}

void RequestWatch::Tend() { LookAgain(LookMoment::DuringPhoto); }

std::optional<LeftAlone> RequestWatch::LeftAloneSign() const {
    if (folderSeen_) {
        return LeftAlone::Folder;
    }
    if (following_ && following_->served.link) {
        return LeftAlone::Link;
    }
    if (following_ && following_->served.readOnly) {
        return LeftAlone::ReadOnly;
    }
    return std::nullopt;
}
