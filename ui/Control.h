#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "ui/ControlRow.h"
#include "ui/Picture.h"

namespace ui {

// A control of a form: its row, its window while the form is loaded, and the
// handler of its one event (click, or tick for a timer).
class Control {
public:
    Control(const std::string& formName, ControlRow row, int id);

    const ControlRow& Row() const { return row_; }
    const char* Name() const { return row_.name; }
    int Id() const { return id_; }
    HWND Hwnd() const { return hwnd_; }
    bool CanTakeFocus() const;

    // Makes the control's window (or starts its timer) on the form's window.
    // Lines are drawn by the form and have no window.
    void Create(HWND parent, int dpi, HFONT font, HWND tooltip);
    void Destroy(HWND parent);

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
    // Runs the handler; whatever it throws is reported, never passed on.
    void Fire();

    // The window procedures of labels, which draw themselves, and of picture
    // boxes; for class registration.
    static LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::string eventName_;  // for failure reports
    ControlRow row_;
    int id_;
    HWND hwnd_ = nullptr;
    std::function<void()> handler_;
    Picture picture_;
};

// A colour of a control row, or the system colour when the row has none.
inline COLORREF ColourOr(uint32_t colour, int systemColour) {
    return colour == kDefaultColour ? GetSysColor(systemColour) : static_cast<COLORREF>(colour);
}

}  // namespace ui
