#include "core/exchange/RequestWatch.h"

#include "core/exchange/RequestFiles.h"

bool RequestWatch::Poll(const std::string& gameFolder, const std::function<void()>& takePhoto) {
    nextWaiting_ = false;
    if (gameFolder.empty()) {
        return false;
    }
    const std::string path = RequestPath(gameFolder);
    const FileLook look = world_.Look(path);
    if (following_ && following_->path == path) {
        const Verdict verdict = Follow(look);
        if (verdict != Verdict::Another) {
            DeleteIfLetGo(look, verdict);
            return false;
        }
        nextWaiting_ = false;  // served now
    }
    if (!look.there || look.leaving) {
        return false;
    }
    const std::string folder = ReplyFolder(gameFolder);
    following_ =
        Following{path,
                  folder,
                  {.file = look.identity, .names = keeper_.Changes(folder), .seenAt = world_.Now()},
                  look.link};
    try {
        takePhoto();
    } catch (...) {
        Tidy();
        throw;
    }
    Tidy();
    return true;
}

void RequestWatch::Tend() {
    if (following_) {
        Follow(world_.Look(following_->path));
    }
}

Verdict RequestWatch::Follow(const FileLook& look) {
    Following& following = *following_;
    const std::optional<NameCount> names = keeper_.Changes(following.folder);
    const TimePoint now = world_.Now();
    following.served =
        Settle(following.served,
               keeper_.ChangesBy(following.folder, following.served.seenAt + kWatchLag), now);
    const Verdict verdict = Judge(following.served, look, names, now);
    following.served = AfterLook(following.served, verdict, look, names, now);
    if (verdict == Verdict::Gone || verdict == Verdict::Another) {
        following_.reset();
    } else {
        following.link = look.link;
    }
    if (verdict == Verdict::Another) {
        nextWaiting_ = true;
    }
    return verdict;
}

void RequestWatch::DeleteIfLetGo(const FileLook& look, Verdict verdict) {
    if (verdict != Verdict::Same || look.held || look.link || !look.identity) {
        return;  // gone, another's, its writer still at it, or nothing to delete it by
    }
    if (!world_.RemoveIf(following_->path, *look.identity)) {
        return;
    }
    // Gone at once, unless another handle on it keeps its name a while.
    if (world_.Look(following_->path).there) {
        following_->served.deleted = true;
    } else {
        following_.reset();
    }
}

void RequestWatch::Tidy() {
    // The capture may have let a look through, and so have found it gone.
    if (following_) {
        const FileLook look = world_.Look(following_->path);
        DeleteIfLetGo(look, Follow(look));
    }
}
