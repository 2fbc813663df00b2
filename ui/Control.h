#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "ui/ControlKinds.h"
#include "ui/Picture.h"

namespace ui {

struct WindowStyle;

// A control of a form: its kind as declared, its window while the form is
// loaded, and the handler of its one event (click, or tick for a timer).
class Control {
public:
    Control(const std::string& formName, ControlKind kind, int id);

    const ControlKind& Kind() const { return kind_; }
    const char* Name() const;
    int TabIndex() const;  // kNoTabIndex for none
    int Id() const { return id_; }
    HWND Hwnd() const { return hwnd_; }
    bool CanTakeFocus() const;

    // Makes the control's window (or starts its timer) on the form's window.
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
    // The window of a kind that has one, placed in twips.
    void MakeWindow(HWND parent, int dpi, HFONT font, const WindowStyle& window, int left, int top,
                    int width, int height);
    void AddTooltip(HWND parent, HWND tooltip, const char* text);

    std::string eventName_;  // for failure reports
    ControlKind kind_;
    int id_;
    HWND hwnd_ = nullptr;
    std::function<void()> handler_;
    Picture picture_;
};

// A declared colour, or the system colour when none was declared.
inline COLORREF ColourOr(uint32_t colour, int systemColour) {
    return colour == kDefaultColour ? GetSysColor(systemColour) : static_cast<COLORREF>(colour);
}

}  // namespace ui
