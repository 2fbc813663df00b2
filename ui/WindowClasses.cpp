#include "ui/WindowClasses.h"

#include <string>

#include "ui/Control.h"
#include "ui/Handles.h"

namespace ui {
namespace {

// Labels draw themselves and keep the font they are given here.
constexpr char kFontProperty[] = "VdrFont";

// Labels keep their text as given; a lone carriage return still starts a new
// line on screen.
std::string DisplayText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        shown += text[i];
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) {
            shown += '\n';
        }
    }
    return shown;
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const Control* control = BoundObject<Control>(hwnd, message, lParam);
    switch (message) {
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case WM_SETFONT:
            SetPropA(hwnd, kFontProperty, reinterpret_cast<HANDLE>(wParam));
            if (LOWORD(lParam)) {
                InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(GetPropA(hwnd, kFontProperty));
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            RECT area;
            GetClientRect(hwnd, &area);
            FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
            const std::string text = DisplayText(control ? control->Text() : std::string());
            Selection font(dc, GetPropA(hwnd, kFontProperty));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, control ? ColourOr(control->Row().foreColour, COLOR_BTNTEXT)
                                     : GetSysColor(COLOR_BTNTEXT));
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
                      DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            RemovePropA(hwnd, kFontProperty);
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* control = BoundObject<Control>(hwnd, message, lParam);
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT area;
        GetClientRect(hwnd, &area);
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        if (control) {
            control->Image().Paint(dc);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure, HICON icon,
                         HBRUSH background) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

}  // namespace

void RegisterWindowClasses(HINSTANCE instance, WNDPROC formProcedure, HICON icon) {
    RegisterWindowClass(instance, kFormClass, formProcedure, icon, GetSysColorBrush(COLOR_BTNFACE));
    RegisterWindowClass(instance, kLabelClass, LabelProc, nullptr, nullptr);
    RegisterWindowClass(instance, kPictureClass, PictureProc, nullptr, nullptr);
    RegisterWindowClass(instance, kOwnerClass, DefWindowProcA, icon, nullptr);
}

bool IsFormWindow(HWND hwnd) {
    char name[sizeof kFormClass + 1] = {};
    return hwnd && GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, kFormClass) == 0;
}

}  // namespace ui
