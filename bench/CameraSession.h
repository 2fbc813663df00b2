#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "../tests/support/Driver.h"
#include "../tests/support/TestFolder.h"
#include "Stats.h"

// vdrcam.exe started as a player would have it, with a game folder and a
// screenshot folder of its own, for measuring from outside.
class CameraSession {
public:
    CameraSession();
    ~CameraSession();

    // Presses "Take ScreenShot Now" and waits for the reply naming the photo.
    // Returns the milliseconds taken, or a negative number on a timeout.
    double ManualPhoto();

    // Writes a request as the game does and waits until the reply names the
    // photo and the request is gone. Milliseconds, or negative on a timeout.
    double RequestedPhoto();

    // Removes the photo just taken, so a long run does not fill the disk.
    void DropLastPhoto();

    HANDLE Process() const { return camera_->Handle(); }
    int Photos() const { return next_; }

private:
    double WaitForReply(const Stopwatch& watch);

    TestFolder game_{"vdrcam-bench-game"};
    TestFolder shots_{"vdrcam-bench-shots"};
    std::unique_ptr<driver::Program> camera_;
    HWND main_ = nullptr;
    HWND manualTake_ = nullptr;
    int next_ = 0;
};
