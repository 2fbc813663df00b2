#pragma once

#include <windows.h>

// A borderless window of one colour over the whole screen, or over its rows
// from `fromRow` down, so that a photo of the screen shows it.
class ColourScreen {
public:
    explicit ColourScreen(COLORREF colour, int fromRow = 0);
    ~ColourScreen();
    ColourScreen(const ColourScreen&) = delete;
    ColourScreen& operator=(const ColourScreen&) = delete;

private:
    HBRUSH brush_;
    HWND window_;
};
