#pragma once

#include <cmath>
#include <cstdint>
#include <variant>

namespace ui {

inline constexpr uint32_t kDefaultColour = 0xFFFFFFFFu;  // the control's own default
inline constexpr int kNoTabIndex = -1;

// What each kind of control is declared with, and only that. Geometry is in
// twips (1/1440 inch) as left, top, width, height.
struct Button {
    const char* name = "";
    const char* caption = "";
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = kNoTabIndex;
    const char* tooltip = nullptr;
    bool isDefault = false;  // Enter presses it
    bool isCancel = false;   // Escape presses it
};
struct CheckBox {
    const char* name = "";
    const char* caption = "";
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = kNoTabIndex;
};
struct TextBox {
    const char* name = "";
    const char* text = "";
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = kNoTabIndex;
    bool multiLine = false;
    bool verticalScroll = false;
};
struct Label {
    const char* name = "";
    const char* caption = "";
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = kNoTabIndex;
    uint32_t foreColour = kDefaultColour;  // 0x00BBGGRR
};
// From one end to the other, in twips; its width in pixels.
struct Line {
    const char* name = "";
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    uint32_t foreColour = kDefaultColour;
    int width = 1;
};
struct PictureBox {
    const char* name = "";
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = kNoTabIndex;
};
struct Timer {
    const char* name = "";
    int interval = 0;  // milliseconds
};

// A control with a window of its own, or a timer: one kind, as declared.
// Lines have neither and are kept apart, drawn by their form.
using ControlKind = std::variant<Button, CheckBox, TextBox, Label, PictureBox, Timer>;

// One visitor from a function per kind.
template <typename... Functions>
struct Overloaded : Functions... {
    using Functions::operator()...;
};

enum class Frame {
    FixedSingle,  // fixed size, minimise button
    FixedDialog,  // fixed dialog frame, no minimise or maximise button
};

struct FormDesign {
    const char* name = "";
    const char* caption = "";
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    Frame frame = Frame::FixedDialog;
    bool showInTaskbar = true;
};

inline int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0));
}

}  // namespace ui
