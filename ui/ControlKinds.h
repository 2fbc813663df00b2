#pragma once

#include <cmath>
#include <cstdint>

namespace ui {

enum class Kind { Button, Label, TextBox, CheckBox, Line, PictureBox, Timer };

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
// From one end to the other; its width in pixels.
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

// A control of any kind, as the window layer keeps it.
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
    int lineWidth = 1;       // lines, in pixels
    int interval = 0;        // timers, in milliseconds

    template <typename Placed>
    ControlRow(Kind k, const Placed& p)
        : kind(k),
          name(p.name),
          left(p.left),
          top(p.top),
          width(p.width),
          height(p.height),
          tabIndex(p.tabIndex) {}
    ControlRow(const Button& b) : ControlRow(Kind::Button, b) {
        caption = b.caption;
        tooltip = b.tooltip;
        isDefault = b.isDefault;
        isCancel = b.isCancel;
    }
    ControlRow(const CheckBox& c) : ControlRow(Kind::CheckBox, c) { caption = c.caption; }
    ControlRow(const TextBox& t) : ControlRow(Kind::TextBox, t) {
        caption = t.text;
        multiLine = t.multiLine;
        verticalScroll = t.verticalScroll;
    }
    ControlRow(const Label& l) : ControlRow(Kind::Label, l) {
        caption = l.caption;
        foreColour = l.foreColour;
    }
    ControlRow(const PictureBox& p) : ControlRow(Kind::PictureBox, p) {}
    ControlRow(const Line& l)
        : kind(Kind::Line),
          name(l.name),
          left(l.x1),
          top(l.y1),
          x2(l.x2),
          y2(l.y2),
          foreColour(l.foreColour),
          lineWidth(l.width) {}
    ControlRow(const Timer& t) : kind(Kind::Timer), name(t.name), interval(t.interval) {}
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
