#include "core/exchange/RequestFiles.h"

bool ReplyFile::Write(const std::string& gameFolder, const std::string& number) {
    return !gameFolder.empty() && world_.WriteReply(ReplyPath(gameFolder), ReplyLine(number));
}

void ReplyFile::Send(const std::string& gameFolder, const std::string& number) {
    unsent_.reset();
    if (Write(gameFolder, number)) {
        givenUp_.reset();
    } else if (!gameFolder.empty() && world_.FolderIndex(ReplyFolder(gameFolder))) {
        unsent_ = Unsent{gameFolder, number, world_.Now() + kPatience};
    }
}

void ReplyFile::Retry() {
    if (!unsent_) {
        return;
    }
    if (Write(unsent_->gameFolder, unsent_->number)) {
        givenUp_.reset();
        unsent_.reset();
    } else if (world_.Now() >= unsent_->giveUpAt) {
        givenUp_ = unsent_->number;
        unsent_.reset();
    }
}
