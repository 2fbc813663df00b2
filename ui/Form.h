#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"
#include "ui/ControlKinds.h"
#include "ui/Handles.h"

namespace ui {

// A window built from its controls. A form declares each control once, as a
// member made by Add from its kind's fields and bound to its handler:
//     ui::Control& cmdApply = Add(ui::Button{.name = "cmdApply", .caption = "Apply", ...},
//                                 &OptionsForm::frmOptions_cmdApply_Click);
// and its lines, which the form draws, the same way.
// Load creates the window and runs the load handler; Show loads first when
// needed; Unload runs the unload handler and destroys the window. There is
// one object per form.
class Form {
public:
    explicit Form(FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // A load that fails (a window that cannot be made, a load handler that
    // throws) leaves the form unloaded and passes the failure on.
    void Load();
    void Show();
    // Loads and shows the window minimised, taking the foreground from
    // nothing: the way to start beside a full-screen game.
    void ShowInBackground();
    void Hide();
    void Unload();
    bool IsLoaded() const { return hwnd_ != nullptr; }
    bool IsVisible() const;

    const char* Name() const { return design_.name; }
    HWND Hwnd() const { return hwnd_; }
    int Dpi() const { return dpi_; }
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void Refresh();
    // Flashes the taskbar button until the window is brought to the front,
    // without taking the foreground from anything.
    void FlashInTaskbar();
    // What Windows (Vista and later) shows while the window holds up the end
    // of the session; empty for nothing.
    void SetShutdownReason(const std::string& reason);

    // The control of that name, for those who see the form from outside;
    // std::out_of_range for a name the form lacks.
    Control& operator[](std::string_view name);

protected:
    virtual void OnLoad() {}
    // Whether the window is being shown in the background; a load step can
    // then keep its own windows out of sight too.
    bool ShownInBackground() const { return inBackground_; }
    virtual void OnUnload() {}
    // The session is ending (logging off, shutting down): the window may
    // finish its work before it returns; the program ends afterwards.
    virtual void OnEndSession() {}
    // Asked first; the work still due can be named to Windows then.
    virtual void OnQueryEndSession() {}

    // Adds a control of its kind; the handler, when there is one, runs at
    // its event (click, or tick for a timer).
    Control& Add(ControlKind kind);
    template <typename Owner>
    Control& Add(ControlKind kind, void (Owner::*handler)()) {
        Control& control = Add(std::move(kind));
        control.OnEvent([this, handler] { (static_cast<Owner*>(this)->*handler)(); });
        return control;
    }
    const Line& Add(Line line);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    friend void InitializeForms(HINSTANCE instance);

    void CreateWindowAndControls();
    void DestroyWindowAndControls();
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    LRESULT OnGetDefId();
    void OnTimer(UINT_PTR id);
    LRESULT OnCtlColorStatic(HDC dc);
    void OnActivate(bool active);
    void OnPaint();
    void PaintLines(HDC dc) const;
    Control* ControlById(int id);
    Control* FirstFocusable();

    FormDesign design_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::deque<Line> lines_;  // where the form's members find them
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    UniqueFont font_;
    HWND tooltip_ = nullptr;
    int dpi_ = 96;
    bool unloading_ = false;
    bool inBackground_ = false;
    std::optional<POINT> restoreAt_;  // shown in the background: where it is restored to
};

// Registers the window classes; call once before the first form loads.
void InitializeForms(HINSTANCE instance);

// The number of loaded forms; the program ends when an unload by the user
// leaves none.
int LoadedFormCount();

// Unloads every loaded form, the most recently loaded first.
void UnloadAllForms();

}  // namespace ui
