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
    const std::optional<FileIdentity> identity = IdentifyFile(request);
    if (served_ && served_->path == request && identity == served_->identity) {
        DeleteServed();
        return false;
    }
    served_ = Served{request, identity};
    try {
        takePhoto();
    } catch (...) {
        DeleteServed();
        throw;
    }
    DeleteServed();
    return true;
}

void RequestWatch::DeleteServed() {
    const Served& served = *served_;
    const bool deleted =
        served.identity ? RemoveFileIf(served.path, *served.identity) : RemoveFile(served.path);
    // Kept while the request served still stands (read-only, held by the
    // game); anything else under its name is the next request.
    if (deleted || !FileExists(served.path) || IdentifyFile(served.path) != served.identity) {
        served_.reset();
    }
}
