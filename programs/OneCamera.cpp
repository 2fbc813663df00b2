#include "programs/OneCamera.h"

#include "ui/WindowClasses.h"

namespace {

// "Local\": one per user session, shared by both editions.
constexpr char kMutexName[] = "Local\\VDRCamera.OneCamera";
constexpr char kMainTitle[] = "VDR Camera";

}  // namespace

OneCamera::OneCamera() {
    mutex_ = CreateMutexA(nullptr, TRUE, kMutexName);
    first_ = !(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

OneCamera::~OneCamera() {
    if (mutex_) {
        if (first_) {
            ReleaseMutex(mutex_);
        }
        CloseHandle(mutex_);
    }
}

void OneCamera::ShowTheRunningCamera() {
    HWND running = nullptr;
    for (int attempt = 0; attempt < 30 && !running; ++attempt) {
        running = FindWindowA(ui::kFormClass, kMainTitle);
        if (!running) {
            Sleep(100);
        }
    }
    if (!running) {
        return;
    }
    if (IsIconic(running)) {
        ShowWindow(running, SW_RESTORE);
    }
    SetForegroundWindow(running);
}
