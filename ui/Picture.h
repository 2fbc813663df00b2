#pragma once

#include <windows.h>

#include "ui/Handles.h"

namespace ui {

// What a picture box holds: a picture set from code, or a persistent image
// that is drawn into through a memory DC, also while the box is hidden.
class Picture {
public:
    void Set(UniqueBitmap bitmap);
    HBITMAP Get() const { return bitmap_.Get(); }
    // Hands the picture out, leaving the box empty.
    UniqueBitmap Take();

    // The persistent image, made (or remade) as large as the given size in
    // pixels, compatible with the screen. Drawing through the DC lands in it.
    HDC ImageDC(int width, int height);

    // Lets go of the drawing DC, so that the image's bits can be read.
    void EndDrawing();

    void Paint(HDC target) const;
    void Clear();

private:
    UniqueBitmap bitmap_;
    UniqueMemoryDC dc_;
    HGDIOBJ original_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace ui
