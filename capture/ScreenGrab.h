#pragma once

#include <windows.h>

#include "capture/ScreenRoute.h"
#include "ui/Handles.h"

// The screen by the given route. Print Screen: the clipboard is emptied, the
// key pressed and released (messages pumped after each), and the picture
// awaited a bounded time. Only a picture of the screen's size put on the
// clipboard after the emptying counts; another program's picture is passed
// over. When the clipboard cannot be emptied the key is not pressed, and
// when no picture comes the screen is copied directly. The previous
// capture's bitmap may be handed in to be copied into again.
ui::UniqueBitmap GrabScreen(HWND clipboardOwner, ScreenRoute route, ui::UniqueBitmap previous = {});

// The whole virtual screen, every monitor, as Print Screen takes it, copied
// with GDI into 32-bit device-independent pixels: into `previous` when it is
// such a bitmap of the screen's size, which spares making a new one.
ui::UniqueBitmap CopyScreen(ui::UniqueBitmap previous = {});
