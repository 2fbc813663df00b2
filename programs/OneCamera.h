#pragma once

#include <windows.h>

// One camera per user session, whichever edition: two would both serve
// every request. The first program to start holds a named mutex for its
// whole run; a later one finds it held.
class OneCamera {
public:
    OneCamera();
    ~OneCamera();
    OneCamera(const OneCamera&) = delete;
    OneCamera& operator=(const OneCamera&) = delete;

    bool IsFirst() const { return first_; }

    // Brings the running camera's main window to the front, restored if it
    // was minimised. Waits a little for it when that camera is still starting.
    static void ShowTheRunningCamera();

private:
    HANDLE mutex_ = nullptr;
    bool first_ = true;
};
