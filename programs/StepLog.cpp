#include "programs/StepLog.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "core/photo/PhotoSteps.h"
#include "ui/Handles.h"

namespace {

// Open for the process's whole run.
ui::UniqueHandle gLog;
// The counter's ticks in a millisecond, fixed at boot.
double gTicksPerMs = 1;

void Log(const char* step) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    char line[160];
    const int length = std::snprintf(line, sizeof line, "%.3f %s\r\n",
                                     static_cast<double>(now.QuadPart) / gTicksPerMs, step);
    if (length <= 0) {
        return;
    }
    // Never more than the line holds, whatever a step's name.
    const DWORD kept = static_cast<DWORD>(std::min(length, static_cast<int>(sizeof line) - 1));
    DWORD written = 0;
    WriteFile(gLog.Get(), line, kept, &written, nullptr);
}

}  // namespace

void LogPhotoStepsWhereAsked() {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("VDRCAM_PHOTO_STEPS", path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return;
    }
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        gTicksPerMs = static_cast<double>(frequency.QuadPart) / 1000.0;
        gLog = ui::UniqueHandle(file);
        ListenToPhotoSteps(Log);
    }
}
