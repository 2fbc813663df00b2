#include "ui/MessagePump.h"

#include <algorithm>
#include <vector>

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

struct Waiting {
    HANDLE handle;
    const std::function<void()>* signalled;
};

std::vector<Waiting>& Wakes() {
    static std::vector<Waiting> wakes;
    return wakes;
}

// Waits until a message arrives, a wake's handle is signalled (its call is
// made) or the time is up.
void WaitForMessageOrWake(DWORD milliseconds) {
    std::vector<HANDLE> handles;
    for (const Waiting& wake : Wakes()) {
        handles.push_back(wake.handle);
    }
    const DWORD count = static_cast<DWORD>(handles.size());
    const DWORD woken = MsgWaitForMultipleObjectsEx(count, handles.data(), milliseconds,
                                                    QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken == WAIT_FAILED) {
        // A handle gone bad is not waited for again until its wake is made anew.
        Wakes().clear();
        return;
    }
    if (woken >= WAIT_OBJECT_0 + count) {
        return;
    }
    // Its wake may have gone while the others were waited for.
    const auto wake = std::find_if(Wakes().begin(), Wakes().end(), [&](const Waiting& waiting) {
        return waiting.handle == handles[woken - WAIT_OBJECT_0];
    });
    if (wake != Wakes().end()) {
        // A copy: the call may end its own wake.
        const std::function<void()> signalled = *wake->signalled;
        signalled();
    }
}

}  // namespace

Wake::Wake(HANDLE handle, std::function<void()> signalled)
    : handle_(handle), signalled_(std::move(signalled)) {
    if (Wakes().size() < MAXIMUM_WAIT_OBJECTS - 1) {
        Wakes().push_back({handle_, &signalled_});
    }
}

Wake::~Wake() {
    std::erase_if(Wakes(), [this](const Waiting& waiting) { return waiting.handle == handle_; });
}

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
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return static_cast<int>(message.wParam);
            }
            Deliver(message);
        }
        WaitForMessageOrWake(INFINITE);
    }
}

void PumpFor(unsigned milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        DoEvents();
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return;
        }
        WaitForMessageOrWake(static_cast<DWORD>(deadline - now));
    }
}

}  // namespace ui
