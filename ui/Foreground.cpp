#include "ui/Foreground.h"

#include <windows.h>

namespace ui {

bool FullScreenProgramInFront() {
    HWND front = GetForegroundWindow();
    DWORD owner = 0;
    if (!front || !GetWindowThreadProcessId(front, &owner) || owner == GetCurrentProcessId() ||
        front == GetDesktopWindow() || front == GetShellWindow()) {
        return false;
    }
    // The desktop behind the icons fills the screen too.
    char name[16] = {};
    GetClassNameA(front, name, sizeof name);
    if (lstrcmpA(name, "Progman") == 0 || lstrcmpA(name, "WorkerW") == 0) {
        return false;
    }
    // A maximised window keeps its title bar.
    if ((GetWindowLongPtrA(front, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        return false;
    }
    RECT window{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(front, &window) ||
        !GetMonitorInfoA(MonitorFromWindow(front, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return false;
    }
    const RECT& screen = monitor.rcMonitor;
    return window.left <= screen.left && window.top <= screen.top && window.right >= screen.right &&
           window.bottom >= screen.bottom;
}

}  // namespace ui
