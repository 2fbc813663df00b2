#pragma once

#include <windows.h>

#include "core/Unique.h"

namespace ui {

inline void CloseKernelObject(HANDLE object) { CloseHandle(object); }
inline void CloseRegKey(HKEY key) { RegCloseKey(key); }
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DeleteMemoryDC(HDC dc) { DeleteDC(dc); }

using UniqueHandle = Unique<HANDLE, CloseKernelObject>;  // processes, threads, mutexes
using UniqueKey = Unique<HKEY, CloseRegKey>;
using UniqueBitmap = Unique<HBITMAP, DeleteGdiObject>;
using UniqueFont = Unique<HFONT, DeleteGdiObject>;
using UniquePen = Unique<HPEN, DeleteGdiObject>;
using UniqueMemoryDC = Unique<HDC, DeleteMemoryDC>;

// A window's (or the screen's, with no window) drawing context, released on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC for one scope and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace ui
