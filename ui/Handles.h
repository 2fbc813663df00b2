#pragma once

#include <windows.h>

#include <utility>

namespace ui {

// Owns one handle and releases it with Close; movable, not copyable.
template <typename Handle, auto Close, Handle Null = Handle{}>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Null)) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Null));
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { Reset(); }

    Handle Get() const { return handle_; }
    Handle* Out() {
        Reset();
        return &handle_;
    }
    Handle Release() { return std::exchange(handle_, Null); }
    void Reset(Handle handle = Null) {
        if (handle_ != Null) {
            Close(handle_);
        }
        handle_ = handle;
    }
    explicit operator bool() const { return handle_ != Null; }

private:
    Handle handle_ = Null;
};

inline void CloseRegKey(HKEY key) { RegCloseKey(key); }
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DeleteMemoryDC(HDC dc) { DeleteDC(dc); }

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
