#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../tests/support/Driver.h"
#include "../tests/support/TestFolder.h"
#include "Stats.h"

// vdrcam.exe started as a player would have it, with a game folder and a
// screenshot folder of its own, for measuring from outside.
class CameraSession {
public:
    // Settings stored before it starts: registry value names and their texts.
    using Settings = std::vector<std::pair<std::string, std::string>>;
    explicit CameraSession(const Settings& settings = {});
    ~CameraSession();

    // Presses "Take ScreenShot Now" and waits for the reply naming the photo.
    // Returns the milliseconds taken, or a negative number on a timeout.
    double ManualPhoto();

    // Writes a request as the game does and waits until the reply names the
    // photo and the request is gone. Milliseconds, or negative on a timeout.
    double RequestedPhoto();

    // Ticks "Compress to JPEG?" in the options window and applies it.
    void AskForJpegs();

    // Waits for the JPEG of the photo just taken; the milliseconds since
    // that photo was asked for, or negative on a timeout.
    double WaitForJpeg();

    // Removes the photo just taken, so a long run does not fill the disk.
    void DropLastPhoto();

    HANDLE Process() const { return camera_->Handle(); }
    int Photos() const { return next_; }

private:
    double WaitForReply();

    TestFolder game_{"vdrcam-bench-game"};
    TestFolder shots_{"vdrcam-bench-shots"};
    std::unique_ptr<driver::Program> camera_;
    HWND main_ = nullptr;
    HWND manualTake_ = nullptr;
    int next_ = 0;
    Stopwatch asked_;  // when the latest photo was asked for
};
