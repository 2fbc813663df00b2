#include "ColourScreen.h"

#include "ui/MessagePump.h"

ColourScreen::ColourScreen(COLORREF colour) : brush_(CreateSolidBrush(colour)) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = brush_;
    windowClass.lpszClassName = "VdrColourScreen";
    UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(
        WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP, GetSystemMetrics(SM_XVIRTUALSCREEN),
        GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN),
        GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    ui::PumpFor(200);
}

ColourScreen::~ColourScreen() {
    DestroyWindow(window_);
    DeleteObject(brush_);
}
