#include "mainwindow/RequestWake.h"

void RequestWake::Follow(const std::string& gameFolder) {
    keeper_.Follow(gameFolder);
    if (keeper_.Watch() == waitingOn_) {
        return;
    }
    wake_.reset();
    waitingOn_ = keeper_.Watch();
    if (void* event = waitingOn_ ? world_.Event(waitingOn_) : nullptr) {
        wake_.emplace(event, [this] { Signalled(); });
    }
}

void RequestWake::Signalled() {
    if (keeper_.Woken()) {
        woken_();
    }
}
