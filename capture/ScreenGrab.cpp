#include "capture/ScreenGrab.h"

#include <algorithm>

#include "ui/MessagePump.h"

namespace {

constexpr DWORD kClipboardWaitMs = 250;

// The clipboard, open for one scope. Another program may hold it open for a
// moment, so opening is retried until the deadline.
class OpenedClipboard {
public:
    OpenedClipboard(HWND owner, ULONGLONG deadline) {
        while (!(open_ = OpenClipboard(owner) != 0) && GetTickCount64() < deadline) {
            Sleep(5);
        }
    }
    ~OpenedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

ui::UniqueBitmap CopyOf(HBITMAP source) {
    return ui::UniqueBitmap(static_cast<HBITMAP>(CopyImage(source, IMAGE_BITMAP, 0, 0, 0)));
}

ui::UniqueBitmap WaitForClipboardBitmap(HWND owner, ULONGLONG deadline) {
    for (;;) {
        ui::DoEvents();
        if (IsClipboardFormatAvailable(CF_BITMAP)) {
            OpenedClipboard clipboard(owner, deadline);
            if (clipboard) {
                if (HBITMAP shared = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
                    return CopyOf(shared);
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

}  // namespace

bool PrintScreenOpensSnipping() {
    ui::UniqueKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Keyboard", 0, KEY_QUERY_VALUE,
                      key.Out()) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    return RegQueryValueExA(key.Get(), "PrintScreenKeyForSnippingEnabled", nullptr, &type,
                            reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD && value == 1;
}

ui::UniqueBitmap CopyScreen() {
    ui::WindowDC screen(nullptr);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    ui::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    ui::UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !memory) {
        return {};
    }
    ui::Selection selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY);
    return bitmap;
}

ui::UniqueBitmap GrabScreen(HWND clipboardOwner) {
    if (!PrintScreenOpensSnipping()) {
        const ULONGLONG deadline = GetTickCount64() + kClipboardWaitMs;
        {
            OpenedClipboard clipboard(clipboardOwner, deadline);
            if (clipboard) {
                EmptyClipboard();
            }
        }
        keybd_event(VK_SNAPSHOT, 0, 0, 0);
        ui::DoEvents();
        keybd_event(VK_SNAPSHOT, 0, KEYEVENTF_KEYUP, 0);
        ui::DoEvents();
        if (ui::UniqueBitmap copied = WaitForClipboardBitmap(clipboardOwner, deadline)) {
            return copied;
        }
    }
    return CopyScreen();
}
