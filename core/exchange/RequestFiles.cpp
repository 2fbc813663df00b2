#include "core/exchange/RequestFiles.h"

#include "core/files/init.h"

bool WriteReply(const std::string& gameFolder, const std::string& number) {
    return !gameFolder.empty() && WriteWholeFile(ReplyPath(gameFolder), {ReplyLine(number)});
}

void ReplyFile::Send(const std::string& gameFolder, const std::string& number) {
    unsent_.reset();
    if (WriteReply(gameFolder, number)) {
        givenUp_.reset();
    } else if (!gameFolder.empty() && FolderExists(ReplyFolder(gameFolder))) {
        unsent_ = Unsent{gameFolder, number, clock_() + kPatience};
    }
}

void ReplyFile::Retry() {
    if (!unsent_) {
        return;
    }
    if (WriteReply(unsent_->gameFolder, unsent_->number)) {
        givenUp_.reset();
        unsent_.reset();
    } else if (clock_() >= unsent_->giveUpAt) {
        givenUp_ = unsent_->number;
        unsent_.reset();
    }
}

bool RequestWatch::Poll(const std::string& gameFolder, const std::function<void()>& takePhoto) {
    if (gameFolder.empty()) {
        return false;
    }
    const std::string request = RequestPath(gameFolder);
    if (!FileExists(request)) {
        served_.reset();
        return false;
    }
    const FileLook look = LookAtFile(request);
    if (served_ && served_->path == request && Follow(look)) {
        DeleteServed();
        return false;
    }
    const std::string folder = ReplyFolder(gameFolder);
    served_ = Served{request, folder, look, nameChanges_ ? nameChanges_(folder) : std::nullopt};
    try {
        takePhoto();
    } catch (...) {
        DeleteServed();
        throw;
    }
    DeleteServed();
    return true;
}

void RequestWatch::Tend() {
    if (served_ && !Follow(LookAtFile(served_->path))) {
        served_.reset();
    }
}

bool RequestWatch::Follow(const FileLook& look) {
    Served& served = *served_;
    const auto& was = served.look.identity;
    const auto& is = look.identity;
    if (!is || !was) {
        return is == was && FileExists(served.path);
    }
    const auto names = nameChanges_ ? nameChanges_(served.folder) : std::nullopt;
    if (is->volume != was->volume || is->index != was->index) {
        return false;
    }
    // Written since: by its writer, unless the name was taken away meanwhile
    // and the file made anew (it may have the old one's index), which only
    // a watch tells, and a moment late.
    if (is->lastWrite != was->lastWrite) {
        if (!names || names != served.names) {
            return false;
        }
        const auto now = clock_();
        if (!served.writtenAt) {
            served.writtenAt = now;
        }
        if (now - *served.writtenAt < kWatchLag) {
            return true;
        }
    }
    served.look = look;
    served.names = names;
    served.writtenAt.reset();
    return true;
}

void RequestWatch::DeleteServed() {
    // The capture may have let a look through, and so have found it gone.
    const FileLook look = served_ ? LookAtFile(served_->path) : FileLook{};
    if (!served_ || !Follow(look)) {
        served_.reset();
        return;
    }
    if (look.held || served_->writtenAt) {
        return;  // its writer is still at it, or may have been
    }
    if (look.identity ? RemoveFileIf(served_->path, *look.identity) : RemoveFile(served_->path)) {
        served_.reset();
    }
}
