#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/exchange/SystemWorld.h"
#include "core/exchange/WatchKeeper.h"
#include "ui/MessagePump.h"

// Wakes the camera the moment the watch of the request's name tells of it,
// so that a request is served within milliseconds of its making rather
// than at the next tick. Other files in the folder wake the watch only.
class RequestWake {
public:
    RequestWake(SystemWorld& world, WatchKeeper& keeper, std::function<void()> woken)
        : world_(world), keeper_(keeper), woken_(std::move(woken)) {}

    // Keeps the watch of the request below the game folder, and waits on it.
    void Follow(const std::string& gameFolder);

private:
    void Signalled();

    SystemWorld& world_;
    WatchKeeper& keeper_;
    std::function<void()> woken_;
    std::optional<ui::Wake> wake_;
    uint64_t waitingOn_ = 0;
};
