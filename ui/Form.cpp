#include "ui/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <utility>

#include "ui/Process.h"
#include "core/ScopedFlag.h"
#include "ui/WindowClasses.h"

namespace ui {
namespace {

constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL

// The loaded forms, in load order. Never destroyed: forms that outlive main
// still find it when they go.
std::vector<Form*>& Loaded() {
    static auto* loaded = new std::vector<Form*>;
    return *loaded;
}

void NoteLoaded(Form& form) { Loaded().push_back(&form); }

// A form unloaded by the user (endWhenLast) ends the program when it was the last one.
void NoteUnloaded(Form& form, bool endWhenLast) {
    const auto at = std::find(Loaded().begin(), Loaded().end(), &form);
    if (at == Loaded().end()) {
        return;
    }
    Loaded().erase(at);
    if (Loaded().empty() && endWhenLast) {
        PostQuitMessage(0);
    }
}

int ScreenDpi() {
    WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

int TabPosition(const Control& control) {
    return control.TabIndex() == kNoTabIndex ? INT_MAX : control.TabIndex();
}

}  // namespace

void InitializeForms(HINSTANCE instance) {
    if (FormsInstance()) {
        return;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClasses(instance, {Form::WindowProc, Control::LabelProc, Control::PictureProc},
                          LoadIconA(instance, MAKEINTRESOURCEA(1)));
    KeepFormsInstance(instance);
}

int LoadedFormCount() { return static_cast<int>(Loaded().size()); }

void UnloadAllForms() {
    // A form's unload may unload others, so the list is read afresh each time.
    std::vector<Form*> tried;
    for (;;) {
        auto next = std::find_if(Loaded().rbegin(), Loaded().rend(), [&](Form* form) {
            return std::find(tried.begin(), tried.end(), form) == tried.end();
        });
        if (next == Loaded().rend()) {
            return;
        }
        tried.push_back(*next);
        (*next)->Unload();
    }
}

Form::Form(FormDesign design) : design_(std::move(design)) {}

Control& Form::Add(ControlKind kind) {
    const int id = kFirstControlId + static_cast<int>(controls_.size());
    controls_.push_back(std::make_unique<Control>(design_.name, std::move(kind), id));
    return *controls_.back();
}

const Line& Form::Add(Line line) {
    lines_.push_back(line);
    return lines_.back();
}

Form::~Form() {
    if (hwnd_) {
        DestroyWindowAndControls();
        NoteUnloaded(*this, false);
    }
}

void Form::Load() {
    if (hwnd_) {
        return;
    }
    NoteLoaded(*this);
    try {
        CreateWindowAndControls();
        OnLoad();
    } catch (...) {
        DestroyWindowAndControls();
        NoteUnloaded(*this, false);
        throw;
    }
}

void Form::CreateWindowAndControls() {
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
    HWND owner = design_.showInTaskbar ? nullptr : HiddenOwner();
    CreateWindowExA(exStyle, kFormClass, design_.caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                    outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                    FormsInstance(), this);
    if (!hwnd_) {
        throw std::runtime_error(std::string("creating the window ") + design_.name);
    }
    font_.Reset(CreateFontA(-MulDiv(8, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Shell Dlg"));
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, FormsInstance(), nullptr);

    // Creation order is the tab order.
    std::vector<Control*> ordered;
    for (auto& control : controls_) {
        ordered.push_back(control.get());
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
        return TabPosition(*a) < TabPosition(*b);
    });
    for (Control* control : ordered) {
        control->Create(hwnd_, dpi_, font_.Get(), tooltip_);
    }
}

void Form::DestroyWindowAndControls() {
    for (auto& control : controls_) {
        control->Destroy(hwnd_);
    }
    if (hwnd_) {
        DestroyWindow(hwnd_);  // the tooltip goes with its owner
    }
    hwnd_ = nullptr;
    tooltip_ = nullptr;
    lastFocus_ = nullptr;
    font_.Reset();
}

void Form::Show() {
    inBackground_ = false;
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

void Form::ShowInBackground() {
    inBackground_ = true;
    Load();
    // Shown minimised where Windows keeps minimised windows, off the screen:
    // Wine without a window manager draws a minimised window itself, over
    // the game and into its photos, where it was last shown (Wine 10) or
    // moved (Wine 8). It comes back to its own place when restored.
    RECT own{};
    GetWindowRect(hwnd_, &own);
    restoreAt_ = POINT{own.left, own.top};
    SetWindowPos(hwnd_, nullptr, -32000, -32000, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
    SetWindowPos(hwnd_, nullptr, -32000, -32000, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
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
    {
        ScopedFlag unloading(unloading_);
        RunReportingFailures(std::string(design_.name) + "_Form_Unload", [this] { OnUnload(); });
        DestroyWindowAndControls();
    }
    NoteUnloaded(*this, true);
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

void Form::FlashInTaskbar() {
    if (hwnd_) {
        FLASHWINFO flash{sizeof flash, hwnd_, FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
        FlashWindowEx(&flash);
    }
}

void Form::SetShutdownReason(const std::string& reason) {
    // Looked up, so that the program still starts on Windows before Vista.
    using Create = BOOL(WINAPI*)(HWND, LPCWSTR);
    using Destroy = BOOL(WINAPI*)(HWND);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    const auto create = reinterpret_cast<Create>(
        reinterpret_cast<void*>(GetProcAddress(user32, "ShutdownBlockReasonCreate")));
    const auto destroy = reinterpret_cast<Destroy>(
        reinterpret_cast<void*>(GetProcAddress(user32, "ShutdownBlockReasonDestroy")));
    if (!hwnd_ || !create || !destroy) {
        return;
    }
    if (reason.empty()) {
        destroy(hwnd_);
    } else {
        create(hwnd_, std::wstring(reason.begin(), reason.end()).c_str());
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
        if (control->CanTakeFocus() && (!best || TabPosition(*control) < TabPosition(*best))) {
            best = control.get();
        }
    }
    return best;
}

void Form::OnCommand(int id, int code) {
    if (code != BN_CLICKED) {
        return;
    }
    if (id == IDOK || id == IDCANCEL) {
        for (auto& control : controls_) {
            const auto* button = std::get_if<Button>(&control->Kind());
            if (button && (id == IDOK ? button->isDefault : button->isCancel) &&
                control->Enabled()) {
                control->Fire();
                return;
            }
        }
        return;
    }
    if (Control* control = ControlById(id)) {
        if (std::holds_alternative<Button>(control->Kind()) ||
            std::holds_alternative<CheckBox>(control->Kind())) {
            control->Fire();
        }
    }
}

LRESULT Form::OnGetDefId() {
    for (auto& control : controls_) {
        const auto* button = std::get_if<Button>(&control->Kind());
        if (button && button->isDefault) {
            return MAKELRESULT(control->Id(), DC_HASDEFID);
        }
    }
    return 0;
}

void Form::OnTimer(UINT_PTR id) {
    if (Control* control = ControlById(static_cast<int>(id))) {
        control->Fire();
    }
}

LRESULT Form::OnCtlColorStatic(HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The focus comes back to where it was when the window is activated again.
void Form::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) {
            lastFocus_ = focus;
        }
    } else if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)) {
        ::SetFocus(lastFocus_);
    } else if (Control* first = FirstFocusable()) {
        first->SetFocus();
    }
}

void Form::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    PaintLines(dc);
    EndPaint(hwnd_, &paint);
}

void Form::PaintLines(HDC dc) const {
    for (const Line& line : lines_) {
        UniquePen pen(CreatePen(PS_SOLID, line.width, ColourOr(line.foreColour, COLOR_WINDOWTEXT)));
        Selection selected(dc, pen.Get());
        MoveToEx(dc, TwipsToPixels(line.x1, dpi_), TwipsToPixels(line.y1, dpi_), nullptr);
        LineTo(dc, TwipsToPixels(line.x2, dpi_), TwipsToPixels(line.y2, dpi_));
    }
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = BoundObject<Form>(hwnd, message, lParam);
    if (!form) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCCREATE) {
        form->hwnd_ = hwnd;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (form->hwnd_ == hwnd) {
            form->hwnd_ = nullptr;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        return form->Handle(message, wParam, lParam);
    } catch (...) {
        // Handlers report their own failures; nothing may unwind into the system's code.
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case DM_GETDEFID:
            return OnGetDefId();
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_CTLCOLORSTATIC:
            return OnCtlColorStatic(reinterpret_cast<HDC>(wParam));
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_RESTORED && restoreAt_) {
                const POINT at = *std::exchange(restoreAt_, std::nullopt);
                SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0,
                             SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
            }
            break;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_QUERYENDSESSION:
            OnQueryEndSession();
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) {
                OnEndSession();
            }
            SetShutdownReason("");
            return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace ui
