#include "capture/ScreenGrab.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "capture/ReadBitmap.h"
#include "ui/MessagePump.h"

namespace {

constexpr DWORD kPictureWaitMs = 250;
// Another program may have the clipboard open for a moment.
constexpr DWORD kClipboardOpenMs = 50;

void CloseTheClipboard(bool) { CloseClipboard(); }

// The clipboard, open for one scope.
using OpenedClipboard = Unique<bool, CloseTheClipboard>;

OpenedClipboard OpenClipboardBy(HWND owner, ULONGLONG deadline) {
    bool open = false;
    while (!(open = OpenClipboard(owner) != 0) && GetTickCount64() < deadline) {
        Sleep(5);
    }
    return OpenedClipboard(open);
}

SIZE VirtualScreenSize() {
    return {GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool IsScreenSized(HBITMAP bitmap) {
    BITMAP shape{};
    const SIZE screen = VirtualScreenSize();
    return GetObjectA(bitmap, sizeof shape, &shape) && shape.bmWidth == screen.cx &&
           std::abs(shape.bmHeight) == screen.cy;
}

// Empties the clipboard for this capture; the sequence number it has then,
// or nothing when the clipboard could not be had.
std::optional<DWORD> EmptyForCapture(HWND owner) {
    {
        const OpenedClipboard clipboard =
            OpenClipboardBy(owner, GetTickCount64() + kClipboardOpenMs);
        if (!clipboard || !EmptyClipboard()) {
            return std::nullopt;
        }
    }
    return GetClipboardSequenceNumber();
}

// Waits for the screen's picture to be put on the clipboard after `emptied`.
ui::UniqueBitmap WaitForScreenPicture(HWND owner, DWORD emptied, ULONGLONG deadline) {
    DWORD looked = emptied;
    for (;;) {
        ui::DoEvents();
        if (GetClipboardSequenceNumber() != looked && IsClipboardFormatAvailable(CF_BITMAP)) {
            const OpenedClipboard clipboard = OpenClipboardBy(owner, deadline);
            if (clipboard) {
                looked = GetClipboardSequenceNumber();
                HBITMAP shared = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
                if (shared && looked != emptied && IsScreenSized(shared)) {
                    return ui::UniqueBitmap(static_cast<HBITMAP>(
                        CopyImage(shared, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
                }
            }
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return {};
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                  QS_ALLINPUT);
    }
}

// Device-independent pixels are read back without conversion, and a .bmp
// file takes them as they are.
ui::UniqueBitmap NewScreenSection(SIZE size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return ui::UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

// Under Wine a copy passes through two buffers of its own size in the Unix
// heap. Screen-sized ones sit at the heap's top and are given back to the
// system after each copy, so every copy faults 16 MB (66 MB at 4K) in anew:
// 60 ms a photo at 1920x1080 in a virtual machine, where bands whose
// buffers the heap keeps cost 6 ms in all. Bands of 1 MB were as slow as the
// whole. Windows copies the screen whole.
LONG BandRows(SIZE size) {
    constexpr LONG kBandBytes = 256 * 1024;
    return RunsUnderWine() ? std::max<LONG>(1, kBandBytes / (size.cx * 4)) : size.cy;
}

bool IsScreenSection(HBITMAP bitmap, SIZE size) {
    const std::optional<DIBSECTION> section = BmpLikeSection(bitmap);
    return section && section->dsBmih.biWidth == size.cx && section->dsBmih.biHeight == size.cy;
}

ui::UniqueBitmap ByPrintScreen(HWND owner) {
    const std::optional<DWORD> emptied = EmptyForCapture(owner);
    if (!emptied) {
        return {};
    }
    const ULONGLONG deadline = GetTickCount64() + kPictureWaitMs;
    keybd_event(VK_SNAPSHOT, 0, 0, 0);
    ui::DoEvents();
    keybd_event(VK_SNAPSHOT, 0, KEYEVENTF_KEYUP, 0);
    ui::DoEvents();
    return WaitForScreenPicture(owner, *emptied, deadline);
}

}  // namespace

ui::UniqueBitmap CopyScreen(ui::UniqueBitmap previous) {
    ui::WindowDC screen(nullptr);
    const SIZE size = VirtualScreenSize();
    ui::UniqueBitmap bitmap =
        IsScreenSection(previous.Get(), size) ? std::move(previous) : NewScreenSection(size);
    ui::UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !memory) {
        return {};
    }
    ui::Selection selected(memory.Get(), bitmap.Get());
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const LONG rows = BandRows(size);
    for (LONG row = 0; row < size.cy; row += rows) {
        BitBlt(memory.Get(), 0, row, size.cx, std::min(rows, size.cy - row), screen.Get(), left,
               top + row, SRCCOPY);
    }
    GdiFlush();
    return bitmap;
}

ui::UniqueBitmap GrabScreen(HWND clipboardOwner, ScreenRoute route, ui::UniqueBitmap previous) {
    if (route == ScreenRoute::PrintScreen) {
        if (ui::UniqueBitmap picture = ByPrintScreen(clipboardOwner)) {
            return picture;
        }
    }
    return CopyScreen(std::move(previous));
}
