#include "core/exchange/RequestFiles.h"

#include "core/files/init.h"

bool WriteReply(const std::string& gameFolder, const std::string& number) {
    return !gameFolder.empty() && WriteWholeFile(ReplyPath(gameFolder), {ReplyLine(number)});
}

void ReplyFile::Send(const std::string& gameFolder, const std::string& number) {
    unsent_.reset();
    if (!WriteReply(gameFolder, number) && !gameFolder.empty()) {
        unsent_ = Unsent{gameFolder, number, clock_() + kPatience};
    }
}

void ReplyFile::Retry() {
    if (unsent_ &&
        (WriteReply(unsent_->gameFolder, unsent_->number) || clock_() >= unsent_->giveUpAt)) {
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
    if (served_ && served_->path == request && IdentifyFile(request) == served_->identity) {
        Delete(request);
        return false;
    }
    try {
        takePhoto();
    } catch (...) {
        Delete(request);
        throw;
    }
    Delete(request);
    return true;
}

void RequestWatch::Delete(const std::string& request) {
    RemoveFile(request);
    if (FileExists(request)) {
        served_ = Served{request, IdentifyFile(request)};
    } else {
        served_.reset();
    }
}
