#include "core/exchange/RequestWatch.h"

#include "core/exchange/RequestFiles.h"

RequestWatch::Sight RequestWatch::Observe(const std::string& path, const std::string& folder) {
    // The watch first: a change it tells of is then one the look already shows.
    Sight sight;
    sight.names = keeper_.Changes(folder);
    sight.look = world_.Look(path);
    return sight;
}

bool RequestWatch::Poll(const std::string& gameFolder, const std::function<void()>& takePhoto) {
    nextWaiting_ = false;
    if (gameFolder.empty()) {
        return false;
    }
    const std::string path = RequestPath(gameFolder);
    const std::string folder = ReplyFolder(gameFolder);
    const Sight sight = Observe(path, folder);
    if (following_ && following_->path == path) {
        const Verdict verdict = Follow(sight);
        if (verdict != Verdict::Another) {
            DeleteIfLetGo(sight.look, verdict);
            return false;
        }
        nextWaiting_ = false;  // served now
    }
    if (!sight.look.there || sight.look.leaving) {
        return false;
    }
    following_ =
        Following{path,
                  folder,
                  {.file = sight.look.identity, .names = sight.names, .seenAt = world_.Now()},
                  sight.look.link};
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
        Follow(Observe(following_->path, following_->folder));
    }
}

Verdict RequestWatch::Follow(const Sight& sight) {
    Following& following = *following_;
    const TimePoint now = world_.Now();
    following.served =
        Settle(following.served,
               keeper_.ChangesBy(following.folder, following.served.seenAt + kWatchLag), now);
    const Verdict verdict = Judge(following.served, sight.look, sight.names, now);
    following.served = AfterLook(following.served, verdict, sight.look, sight.names, now);
    if (verdict == Verdict::Gone || verdict == Verdict::Another) {
        following_.reset();
    } else {
        following.link = sight.look.link;
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
        const Sight sight = Observe(following_->path, following_->folder);
        DeleteIfLetGo(sight.look, Follow(sight));
    }
}
