#include "ui/Control.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/Handles.h"
#include "ui/Process.h"
#include "ui/WindowClasses.h"

namespace ui {

// What a kind's window is made as, beyond a visible child.
struct WindowStyle {
    const char* className;
    DWORD style;
    DWORD exStyle;
    const char* text;
};

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

WindowStyle WindowOf(const Button& button) {
    const DWORD kind = button.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    return {WC_BUTTONA, WS_TABSTOP | kind, 0, button.caption};
}
WindowStyle WindowOf(const CheckBox& box) {
    return {WC_BUTTONA, WS_TABSTOP | BS_AUTOCHECKBOX, 0, box.caption};
}
WindowStyle WindowOf(const TextBox& box) {
    const DWORD lines = box.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
    const DWORD scroll = box.verticalScroll ? WS_VSCROLL : 0;
    return {WC_EDITA, WS_TABSTOP | lines | scroll, WS_EX_CLIENTEDGE, box.text};
}
WindowStyle WindowOf(const Label& label) { return {kLabelClass, 0, 0, label.caption}; }
WindowStyle WindowOf(const PictureBox&) { return {kPictureClass, 0, WS_EX_CLIENTEDGE, ""}; }

}  // namespace

Control::Control(const std::string& formName, ControlKind kind, int id) : kind_(kind), id_(id) {
    eventName_ =
        formName + "_" + Name() + (std::holds_alternative<Timer>(kind_) ? "_Timer" : "_Click");
}

const char* Control::Name() const {
    return std::visit([](const auto& kind) { return kind.name; }, kind_);
}

int Control::TabIndex() const {
    return std::visit(Overloaded{[](const Timer&) { return kNoTabIndex; },
                                 [](const auto& kind) { return kind.tabIndex; }},
                      kind_);
}

bool Control::CanTakeFocus() const {
    return (std::holds_alternative<Button>(kind_) || std::holds_alternative<CheckBox>(kind_) ||
            std::holds_alternative<TextBox>(kind_)) &&
           Visible() && Enabled();
}

void Control::Create(HWND parent, int dpi, HFONT font, HWND tooltip) {
    std::visit(Overloaded{[&](const Timer& timer) {
                              SetTimer(parent, static_cast<UINT_PTR>(id_),
                                       static_cast<UINT>(timer.interval), nullptr);
                          },
                          [&](const auto& kind) {
                              MakeWindow(parent, dpi, font, WindowOf(kind), kind.left, kind.top,
                                         kind.width, kind.height);
                              if constexpr (requires { kind.tooltip; }) {
                                  AddTooltip(parent, tooltip, kind.tooltip);
                              }
                          }},
               kind_);
}

void Control::MakeWindow(HWND parent, int dpi, HFONT font, const WindowStyle& window, int left,
                         int top, int width, int height) {
    hwnd_ = CreateWindowExA(
        window.exStyle, window.className, window.text, WS_CHILD | WS_VISIBLE | window.style,
        TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
        TwipsToPixels(height, dpi), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
        FormsInstance(), this);
    if (!hwnd_) {
        throw std::runtime_error(std::string("creating the control ") + Name());
    }
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Control::AddTooltip(HWND parent, HWND tooltip, const char* text) {
    if (!text || !tooltip) {
        return;
    }
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Control::Destroy(HWND parent) {
    if (std::holds_alternative<Timer>(kind_) && parent) {
        KillTimer(parent, static_cast<UINT_PTR>(id_));
    }
    picture_.Clear();
    hwnd_ = nullptr;
}

std::string Control::Text() const {
    if (!hwnd_) {
        return {};
    }
    const int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void Control::SetText(const std::string& text) {
    if (hwnd_) {
        SetWindowTextA(hwnd_, text.c_str());
    }
}

int Control::Value() const {
    return hwnd_ && SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Control::SetValue(int state) {
    if (!hwnd_ || Value() == state) {
        return;
    }
    SendMessageA(hwnd_, BM_SETCHECK, state ? BST_CHECKED : BST_UNCHECKED, 0);
    Fire();
}

bool Control::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Control::SetEnabled(bool enabled) {
    if (hwnd_) {
        EnableWindow(hwnd_, enabled);
    }
}

bool Control::Visible() const {
    return hwnd_ && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetVisible(bool visible) {
    if (hwnd_) {
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    }
}

void Control::SetBorder(bool border) {
    if (!hwnd_) {
        return;
    }
    LONG_PTR exStyle = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
    exStyle = border ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~WS_EX_CLIENTEDGE);
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, exStyle);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Control::SetSize(int widthPixels, int heightPixels) {
    if (hwnd_) {
        SetWindowPos(hwnd_, nullptr, 0, 0, widthPixels, heightPixels,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Control::SetFocus() {
    if (hwnd_) {
        ::SetFocus(hwnd_);
    }
}

void Control::Fire() {
    if (handler_) {
        RunReportingFailures(eventName_, handler_);
    }
}

LRESULT CALLBACK Control::LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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
            SetTextColor(
                dc, control ? ColourOr(std::get<Label>(control->Kind()).foreColour, COLOR_BTNTEXT)
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

LRESULT CALLBACK Control::PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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

}  // namespace ui
