#pragma once

#include <windows.h>

#include <functional>

namespace ui {

// Delivers every message that is waiting now, then returns.
void DoEvents();

// Runs until the last form is unloaded; returns the exit code.
int RunMessageLoop();

// Waits up to the given time for messages, delivering them as they come.
void PumpFor(unsigned milliseconds);

// While it lives, the message loop and PumpFor call `signalled` whenever the
// handle is signalled, as they deliver a message; the call resets the
// handle. Message boxes and DoEvents do not wait for it.
class Wake {
public:
    Wake(HANDLE handle, std::function<void()> signalled);
    ~Wake();
    Wake(const Wake&) = delete;
    Wake& operator=(const Wake&) = delete;

private:
    HANDLE handle_;
    std::function<void()> signalled_;
};

}  // namespace ui
