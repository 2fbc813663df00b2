#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ControlRow.h"
#include "ui/Handles.h"
#include "ui/Picture.h"

namespace ui {

class Form;

// A control of a form: its row, its window while the form is loaded, and the
// handler of its one event (click, or tick for a timer).
class Control {
public:
    Control(Form& form, const ControlRow& row, int id);

    const ControlRow& Row() const { return row_; }
    const char* Name() const { return row_.name; }
    int Id() const { return id_; }
    HWND Hwnd() const { return hwnd_; }

    std::string Text() const;
    void SetText(const std::string& text);

    // Check box state, 0 or 1. Setting a different state runs the click
    // handler, as a click by the user does.
    int Value() const;
    void SetValue(int state);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    void SetBorder(bool border);
    void SetSize(int widthPixels, int heightPixels);
    void SetFocus();

    Picture& Image() { return picture_; }

    void OnEvent(std::function<void()> handler) { handler_ = std::move(handler); }
    void Fire();

private:
    friend class Form;
    void Create(HWND parent, int dpi, HFONT font);
    void Destroy();

    Form& form_;
    const ControlRow& row_;
    int id_;
    HWND hwnd_ = nullptr;
    std::function<void()> handler_;
    Picture picture_;
};

// A window built from a table of controls. Load creates the window and runs
// the load handler; Show loads first when needed; Unload runs the unload
// handler and destroys the window. There is one object per form.
class Form {
public:
    explicit Form(FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void Load();
    void Show();
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

    Control& operator[](std::string_view name);

    // The window procedure of every form; public for class registration.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual void OnLoad() {}
    virtual void OnUnload() {}

    // Binds a control's event to the handler named <form>_<control>_<event>.
    void Bind(std::string_view control, std::function<void()> handler);

private:
    friend class Control;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(int id);
    void PaintLines(HDC dc) const;
    Control* ControlById(int id);
    Control* FirstFocusable();

    FormDesign design_;
    std::vector<std::unique_ptr<Control>> controls_;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    UniqueFont font_;
    HWND tooltip_ = nullptr;
    int dpi_ = 96;
    bool unloading_ = false;
};

// Registers the window classes; call once before the first form loads.
void InitializeForms(HINSTANCE instance);

// The number of loaded forms; the program ends when it drops to zero.
int LoadedFormCount();

// Reports a failure that no step handled, once, in a message box naming what
// failed; the program goes on.
void ReportFailure(const std::string& what, const std::string& reason);

}  // namespace ui
