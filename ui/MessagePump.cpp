#include "ui/MessagePump.h"

#include <windows.h>

#include "ui/WindowClasses.h"

namespace ui {
namespace {

// Keyboard navigation (Tab, Enter, Escape, access keys) as in a dialog.
void Deliver(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (IsFormWindow(root) && IsDialogMessageA(root, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

}  // namespace

void DoEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(message);
    }
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        Deliver(message);
    }
    return static_cast<int>(message.wParam);
}

void PumpFor(unsigned milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        DoEvents();
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
    }
}

}  // namespace ui
