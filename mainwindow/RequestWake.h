#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "core/files/NameWatch.h"
#include "ui/MessagePump.h"

// Wakes the camera the moment anything changes in the folder where the game
// puts its request, so that a request is served within milliseconds of its
// making rather than at the next tick, and tells the requests' watch when
// the request's name was taken away there. A watch can die quietly (its
// drive gone and back) or never be had (a drive without notifications):
// the ticks serve requests all the same, and keep the watch up to date.
class RequestWake {
public:
    explicit RequestWake(std::function<void()> woken) : woken_(std::move(woken)) {}

    // Watches "tidemark\mdb" below the game folder: made once the folder is
    // there, made again for another game folder, or once the folder has
    // gone (deleted, its drive away) and is there again.
    void Follow(const std::string& gameFolder);

    // What the watch has counted, when one stands on that folder.
    std::optional<NameWatch::Count> Changes(const std::string& folder);

private:
    static constexpr ULONGLONG kCheckMs = 1000;

    void Woken();
    void Stop();

    std::function<void()> woken_;
    std::optional<NameWatch> watch_;
    std::optional<ui::Wake> wake_;
    ULONGLONG checkedAt_ = 0;
};
