#pragma once

#include <cmath>
#include <cstdint>

namespace ui {

enum class Kind { Button, Label, TextBox, CheckBox, Line, PictureBox, Timer };

inline constexpr uint32_t kDefaultColour = 0xFFFFFFFFu;  // the control's own default
inline constexpr int kNoTabIndex = -1;

// One control of a form. Geometry is in twips (1/1440 inch) as left, top,
// width, height; a line runs from left, top to its end point x2, y2.
struct ControlRow {
    Kind kind = Kind::Label;
    const char* name = "";
    const char* caption = "";
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int x2 = 0;  // lines
    int y2 = 0;
    int tabIndex = kNoTabIndex;
    uint32_t foreColour = kDefaultColour;  // 0x00BBGGRR
    const char* tooltip = nullptr;
    bool multiLine = false;
    bool verticalScroll = false;
    bool isDefault = false;  // Enter presses it
    bool isCancel = false;   // Escape presses it
    bool border = true;      // picture boxes
    int lineWidth = 1;       // lines, in pixels
    int interval = 0;        // timers, in milliseconds
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
