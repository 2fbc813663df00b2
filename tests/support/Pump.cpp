#include "Pump.h"

#include <windows.h>

#include "TestClock.h"
#include "ui/MessagePump.h"

bool PumpUntil(const std::function<bool()>& condition, unsigned milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        ui::PumpFor(20);
    }
    return true;
}

void DiscardQuit() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

int CountThreadWindowsTitled(const char* title) {
    struct Search {
        const char* title;
        int count;
    } search{title, 0};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char text[128] = {};
            GetWindowTextA(window, text, sizeof text);
            s->count += lstrcmpA(text, s->title) == 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

void Click(ui::Control& control) { SendMessageA(control.Hwnd(), BM_CLICK, 0, 0); }

void Ticks(const std::function<void()>& tick, int count) {
    for (int made = 0; made < count; ++made) {
        TestClock::Forward(std::chrono::milliseconds(100));
        tick();
        ui::DoEvents();
    }
}
