#include "ui/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/MessageBox.h"

namespace ui {
namespace {

constexpr char kFormClass[] = "VdrForm";
constexpr char kLabelClass[] = "VdrLabel";
constexpr char kPictureClass[] = "VdrPicture";
constexpr char kOwnerClass[] = "VdrOwner";
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL

HINSTANCE gInstance = nullptr;
HWND gHiddenOwner = nullptr;
int gLoadedForms = 0;

int ScreenDpi() {
    WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

COLORREF ColourOr(uint32_t colour, int systemColour) {
    return colour == kDefaultColour ? GetSysColor(systemColour) : static_cast<COLORREF>(colour);
}

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

Control* ControlOf(HWND hwnd) {
    return reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case WM_SETFONT:
            SetPropA(hwnd, "VdrFont", reinterpret_cast<HANDLE>(wParam));
            if (LOWORD(lParam)) {
                InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(GetPropA(hwnd, "VdrFont"));
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            RECT area;
            GetClientRect(hwnd, &area);
            FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
            const Control* control = ControlOf(hwnd);
            const std::string text = DisplayText(control ? control->Text() : std::string());
            Selection font(dc, GetPropA(hwnd, "VdrFont"));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, control ? ColourOr(control->Row().foreColour, COLOR_BTNTEXT)
                                     : GetSysColor(COLOR_BTNTEXT));
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
                      DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            RemovePropA(hwnd, "VdrFont");
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            RECT area;
            GetClientRect(hwnd, &area);
            FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
            if (Control* control = ControlOf(hwnd)) {
                control->Image().Paint(dc);
            }
            EndPaint(hwnd, &paint);
            return 0;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterClass(const char* name, WNDPROC procedure, HICON icon, HBRUSH background) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = gInstance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

}  // namespace

void InitializeForms(HINSTANCE instance) {
    if (gInstance) {
        return;
    }
    gInstance = instance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    RegisterClass(kFormClass, Form::WindowProc, icon, GetSysColorBrush(COLOR_BTNFACE));
    RegisterClass(kLabelClass, LabelProc, nullptr, nullptr);
    RegisterClass(kPictureClass, PictureProc, nullptr, nullptr);
    RegisterClass(kOwnerClass, DefWindowProcA, icon, nullptr);
    // Forms without a taskbar button are owned by this window, which is never shown.
    gHiddenOwner = CreateWindowExA(0, kOwnerClass, AppTitle().c_str(), WS_POPUP, 0, 0, 0, 0,
                                   nullptr, nullptr, instance, nullptr);
}

int LoadedFormCount() { return gLoadedForms; }

void ReportFailure(const std::string& what, const std::string& reason) {
    MsgBox(what + " failed: " + reason);
}

// ---------------------------------------------------------------------------

Control::Control(Form& form, const ControlRow& row, int id) : form_(form), row_(row), id_(id) {}

void Control::Create(HWND parent, int dpi, HFONT font) {
    const int x = TwipsToPixels(row_.left, dpi);
    const int y = TwipsToPixels(row_.top, dpi);
    const int width = TwipsToPixels(row_.width, dpi);
    const int height = TwipsToPixels(row_.height, dpi);
    const char* className = nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    switch (row_.kind) {
        case Kind::Button:
            className = WC_BUTTONA;
            style |= WS_TABSTOP | (row_.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            break;
        case Kind::CheckBox:
            className = WC_BUTTONA;
            style |= WS_TABSTOP | BS_AUTOCHECKBOX;
            break;
        case Kind::TextBox:
            className = WC_EDITA;
            exStyle = WS_EX_CLIENTEDGE;
            style |= WS_TABSTOP;
            style |= row_.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
            if (row_.verticalScroll) {
                style |= WS_VSCROLL;
            }
            break;
        case Kind::Label:
            className = kLabelClass;
            break;
        case Kind::PictureBox:
            className = kPictureClass;
            exStyle = row_.border ? WS_EX_CLIENTEDGE : 0;
            break;
        case Kind::Timer:
            SetTimer(parent, id_, row_.interval, nullptr);
            return;
        case Kind::Line:
            return;
    }
    hwnd_ = CreateWindowExA(exStyle, className, row_.caption, style, x, y, width, height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), gInstance, this);
    if (!hwnd_) {
        throw std::runtime_error(std::string("creating the control ") + row_.name);
    }
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (row_.tooltip && form_.tooltip_) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
        tool.lpszText = const_cast<char*>(row_.tooltip);
        SendMessageA(form_.tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Control::Destroy() {
    if (row_.kind == Kind::Timer && form_.hwnd_) {
        KillTimer(form_.hwnd_, id_);
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
    if (!handler_) {
        return;
    }
    const auto handlerName = [this] {
        return std::string(form_.Name()) + "_" + row_.name +
               (row_.kind == Kind::Timer ? "_Timer" : "_Click");
    };
    try {
        handler_();
    } catch (const std::exception& error) {
        ReportFailure(handlerName(), error.what());
    } catch (...) {
        ReportFailure(handlerName(), "an unexpected error");
    }
}

// ---------------------------------------------------------------------------

Form::Form(FormDesign design) : design_(std::move(design)) {
    for (size_t i = 0; i < design_.controls.size(); ++i) {
        controls_.push_back(std::make_unique<Control>(*this, design_.controls[i],
                                                      kFirstControlId + static_cast<int>(i)));
    }
}

Form::~Form() {
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
}

void Form::Load() {
    if (hwnd_) {
        return;
    }
    dpi_ = ScreenDpi();
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (design_.frame == Frame::FixedSingle) {
        style |= WS_MINIMIZEBOX;
    } else {
        exStyle |= WS_EX_DLGMODALFRAME;
    }
    if (design_.showInTaskbar) {
        exStyle |= WS_EX_APPWINDOW;
    }
    RECT outer{0, 0, TwipsToPixels(design_.clientWidth, dpi_),
               TwipsToPixels(design_.clientHeight, dpi_)};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    HWND owner = design_.showInTaskbar ? nullptr : gHiddenOwner;
    CreateWindowExA(exStyle, kFormClass, design_.caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                    outer.right - outer.left, outer.bottom - outer.top, owner, nullptr, gInstance,
                    this);
    if (!hwnd_) {
        throw std::runtime_error(std::string("creating the window ") + design_.name);
    }
    ++gLoadedForms;

    font_.Reset(CreateFontA(-MulDiv(8, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Shell Dlg"));
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, gInstance, nullptr);

    // Creation order is the tab order.
    std::vector<Control*> ordered;
    for (auto& control : controls_) {
        ordered.push_back(control.get());
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
        const int left = a->row_.tabIndex == kNoTabIndex ? INT_MAX : a->row_.tabIndex;
        const int right = b->row_.tabIndex == kNoTabIndex ? INT_MAX : b->row_.tabIndex;
        return left < right;
    });
    for (Control* control : ordered) {
        control->Create(hwnd_, dpi_, font_.Get());
    }
    OnLoad();
}

void Form::Show() {
    Load();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    BringWindowToTop(hwnd_);
    HWND focus = GetFocus();
    if (!focus || GetAncestor(focus, GA_ROOT) != hwnd_) {
        if (Control* first = FirstFocusable()) {
            first->SetFocus();
        }
    }
}

void Form::Hide() {
    if (hwnd_) {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

void Form::Unload() {
    if (!hwnd_ || unloading_) {
        return;
    }
    unloading_ = true;
    try {
        OnUnload();
    } catch (const std::exception& error) {
        ReportFailure(std::string(design_.name) + "_Form_Unload", error.what());
    }
    for (auto& control : controls_) {
        control->Destroy();
    }
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    tooltip_ = nullptr;
    lastFocus_ = nullptr;
    font_.Reset();
    unloading_ = false;
    if (--gLoadedForms == 0) {
        PostQuitMessage(0);
    }
}

bool Form::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

std::string Form::Caption() const {
    if (!hwnd_) {
        return design_.caption;
    }
    char text[256] = {};
    GetWindowTextA(hwnd_, text, sizeof text);
    return text;
}

void Form::SetCaption(const std::string& caption) {
    if (hwnd_) {
        SetWindowTextA(hwnd_, caption.c_str());
    }
}

void Form::Refresh() {
    if (hwnd_) {
        RedrawWindow(hwnd_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

Control& Form::operator[](std::string_view name) {
    for (auto& control : controls_) {
        if (name == control->Name()) {
            return *control;
        }
    }
    throw std::out_of_range(std::string("no control ") + std::string(name) + " on " + design_.name);
}

void Form::Bind(std::string_view control, std::function<void()> handler) {
    (*this)[control].OnEvent(std::move(handler));
}

Control* Form::ControlById(int id) {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size())) {
        return nullptr;
    }
    return controls_[static_cast<size_t>(index)].get();
}

Control* Form::FirstFocusable() {
    Control* best = nullptr;
    for (auto& control : controls_) {
        const Kind kind = control->row_.kind;
        const bool focusable =
            kind == Kind::Button || kind == Kind::CheckBox || kind == Kind::TextBox;
        if (focusable && control->Visible() && control->Enabled() &&
            (!best || control->row_.tabIndex < best->row_.tabIndex)) {
            best = control.get();
        }
    }
    return best;
}

void Form::Command(int id) {
    if (id == IDOK || id == IDCANCEL) {
        for (auto& control : controls_) {
            const ControlRow& row = control->row_;
            if ((id == IDOK ? row.isDefault : row.isCancel) && control->Enabled()) {
                control->Fire();
                return;
            }
        }
        return;
    }
    if (Control* control = ControlById(id)) {
        if (control->row_.kind == Kind::Button || control->row_.kind == Kind::CheckBox) {
            control->Fire();
        }
    }
}

void Form::PaintLines(HDC dc) const {
    for (const auto& control : controls_) {
        const ControlRow& row = control->row_;
        if (row.kind != Kind::Line) {
            continue;
        }
        UniquePen pen(
            CreatePen(PS_SOLID, row.lineWidth, ColourOr(row.foreColour, COLOR_WINDOWTEXT)));
        Selection selected(dc, pen.Get());
        MoveToEx(dc, TwipsToPixels(row.left, dpi_), TwipsToPixels(row.top, dpi_), nullptr);
        LineTo(dc, TwipsToPixels(row.width, dpi_), TwipsToPixels(row.height, dpi_));
    }
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!form) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (form->hwnd_ == hwnd) {
            form->hwnd_ = nullptr;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return form->Handle(message, wParam, lParam);
}

LRESULT Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                Command(LOWORD(wParam));
            }
            return 0;
        case DM_GETDEFID:
            for (auto& control : controls_) {
                if (control->row_.isDefault) {
                    return MAKELRESULT(control->id_, DC_HASDEFID);
                }
            }
            return 0;
        case WM_TIMER:
            if (Control* control = ControlById(static_cast<int>(wParam))) {
                control->Fire();
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd_, focus)) {
                    lastFocus_ = focus;
                }
            } else if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)) {
                ::SetFocus(lastFocus_);
            } else if (Control* first = FirstFocusable()) {
                first->SetFocus();
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd_, &paint);
            PaintLines(dc);
            EndPaint(hwnd_, &paint);
            return 0;
        }
        case WM_CLOSE:
            Unload();
            return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace ui
