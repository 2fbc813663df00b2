#pragma once

#include <windows.h>

#include "ui/Handles.h"

// One camera per user session, whichever edition: two would both serve
// every request. The first program to start holds a named mutex for its
// whole run; a later one finds it held.
inline constexpr char kOneCameraName[] = "Local\\VDRCamera.OneCamera";

class OneCamera {
public:
    enum class Check {
        First,        // no other camera runs
        AnotherRuns,  // the name is held by a mutex: another camera, or one posing as it
        CannotTell,   // the name is taken by something else, or could not be had
    };

    OneCamera();
    ~OneCamera();
    OneCamera(const OneCamera&) = delete;
    OneCamera& operator=(const OneCamera&) = delete;

    Check Result() const { return check_; }

    // Brings the running camera's main window to the front, restored if it
    // was minimised. Waits a little for it when that camera is still
    // starting; false when no camera's window shows up.
    static bool ShowTheRunningCamera();

private:
    ui::UniqueHandle mutex_;
    Check check_ = Check::CannotTell;
};
