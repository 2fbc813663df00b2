#include "ColourScreen.h"

#include <string>

#include "ui/MessagePump.h"

ColourScreen::ColourScreen(COLORREF colour, int fromRow) : brush_(CreateSolidBrush(colour)) {
    // A class for each colour: two screens may be up at once.
    const std::string className = "VdrColourScreen" + std::to_string(colour);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = brush_;
    windowClass.lpszClassName = className.c_str();
    UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(
        WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP, GetSystemMetrics(SM_XVIRTUALSCREEN),
        GetSystemMetrics(SM_YVIRTUALSCREEN) + fromRow, GetSystemMetrics(SM_CXVIRTUALSCREEN),
        GetSystemMetrics(SM_CYVIRTUALSCREEN) - fromRow, nullptr, nullptr, windowClass.hInstance,
        nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    ui::PumpFor(200);
}

ColourScreen::~ColourScreen() {
    DestroyWindow(window_);
    DeleteObject(brush_);
}
