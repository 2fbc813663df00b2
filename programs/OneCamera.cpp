#include "programs/OneCamera.h"

#include <string>

#include "core/texts/CaptureTexts.h"
#include "ui/WindowClasses.h"

namespace {

BOOL CALLBACK NoteIfCamera(HWND window, LPARAM found) {
    char caption[256] = {};
    if (!ui::IsFormWindow(window) || !GetWindowTextA(window, caption, sizeof caption) ||
        !IsMainCaption(caption)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND FindRunningCamera() {
    HWND found = nullptr;
    EnumWindows(NoteIfCamera, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

OneCamera::OneCamera() : mutex_(CreateMutexA(nullptr, TRUE, kOneCameraName)) {
    if (mutex_) {
        check_ = GetLastError() == ERROR_ALREADY_EXISTS ? Check::AnotherRuns : Check::First;
    }
}

OneCamera::~OneCamera() {
    if (check_ == Check::First) {
        ReleaseMutex(mutex_.Get());
    }
}

bool OneCamera::ShowTheRunningCamera() {
    HWND running = nullptr;
    for (int attempt = 0; attempt < 30 && !running; ++attempt) {
        running = FindRunningCamera();
        if (!running) {
            Sleep(100);
        }
    }
    if (!running) {
        return false;
    }
    if (IsIconic(running)) {
        ShowWindow(running, SW_RESTORE);
    }
    SetForegroundWindow(running);
    return true;
}
