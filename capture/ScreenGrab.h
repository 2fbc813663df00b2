#pragma once

#include <windows.h>

#include "ui/Handles.h"

// The screen through the Print Screen key: empties the clipboard, injects
// the key press and release (pumping messages after each) and waits a
// bounded time for the bitmap. When Windows has the key open its snipping
// tool, or no bitmap arrives, the primary screen is copied directly.
ui::UniqueBitmap GrabScreen(HWND clipboardOwner);

// The primary screen copied with GDI.
ui::UniqueBitmap CopyScreen();

// Whether Windows has the Print Screen key open the snipping tool.
bool PrintScreenOpensSnipping();
