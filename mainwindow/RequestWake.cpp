#include "mainwindow/RequestWake.h"

#include "core/exchange/RequestFiles.h"
#include "core/files/FileSystem.h"

void RequestWake::Follow(const std::string& gameFolder) {
    const std::string folder = gameFolder.empty() ? std::string() : ReplyFolder(gameFolder);
    const bool watching = watch_ && watch_->Folder() == folder && watch_->Standing();
    // A standing watch's folder is looked for once a second: a drive gone
    // away silences a watch without a word.
    const ULONGLONG now = GetTickCount64();
    if (watching && now - checkedAt_ < kCheckMs) {
        return;
    }
    checkedAt_ = now;
    const bool there = FolderExists(folder);
    if (watching && there) {
        return;
    }
    Stop();
    if (there) {
        watch_.emplace(folder, kRequestName);
        if (watch_->Standing()) {
            wake_.emplace(watch_->Event(), [this] { Woken(); });
        }
    }
}

std::optional<NameWatch::Count> RequestWake::Changes(const std::string& folder) {
    return watch_ && watch_->Folder() == folder ? watch_->Changes() : std::nullopt;
}

void RequestWake::Woken() {
    // Taken in first, so that the wake is set again for what comes next.
    if (!watch_->Changes()) {
        wake_.reset();  // its folder is gone; a tick makes a new watch once it is back
    }
    woken_();
}

void RequestWake::Stop() {
    wake_.reset();
    watch_.reset();
}
