#pragma once

#include <windows.h>

namespace ui {

// The window classes of this layer.
inline constexpr char kFormClass[] = "VdrForm";
inline constexpr char kLabelClass[] = "VdrLabel";
inline constexpr char kPictureClass[] = "VdrPicture";
inline constexpr char kOwnerClass[] = "VdrOwner";

// The window procedures of the classes that have their own.
struct WindowProcedures {
    WNDPROC form;
    WNDPROC label;
    WNDPROC picture;
};

// Registers the classes; forms get the icon.
void RegisterWindowClasses(HINSTANCE instance, const WindowProcedures& procedures, HICON icon);

// Whether the window is a form's top-level window.
bool IsFormWindow(HWND hwnd);

// The object a window was created for: CreateWindowEx's last argument,
// kept with the window at WM_NCCREATE and found again for every later
// message. Null before WM_NCCREATE and for windows made without one.
template <typename Object>
Object* BoundObject(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace ui
