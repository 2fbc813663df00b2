#include "ui/WindowClasses.h"

namespace ui {
namespace {

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

void RegisterWindowClasses(HINSTANCE instance, const WindowProcedures& procedures, HICON icon) {
    RegisterWindowClass(instance, kFormClass, procedures.form, icon,
                        GetSysColorBrush(COLOR_BTNFACE));
    RegisterWindowClass(instance, kLabelClass, procedures.label, nullptr, nullptr);
    RegisterWindowClass(instance, kPictureClass, procedures.picture, nullptr, nullptr);
    RegisterWindowClass(instance, kOwnerClass, DefWindowProcA, icon, nullptr);
}

bool IsFormWindow(HWND hwnd) {
    char name[sizeof kFormClass + 1] = {};
    return hwnd && GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, kFormClass) == 0;
}

}  // namespace ui
