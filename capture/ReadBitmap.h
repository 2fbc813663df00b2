#pragma once

#include <windows.h>

#include <optional>

#include "core/photo/DibImage.h"

// The bitmap's pixels at the depth it has, the unused fourth byte of 32-bit
// pixels cleared. The pixels of a 32-bit DIB section are lent, not copied:
// the picture is good while the bitmap lives. The bitmap must not be
// selected into a DC.
std::optional<DibImage> ReadBitmap(HBITMAP bitmap);

// The bitmap's description when it is a bottom-up 32-bit DIB section, whose
// pixels are laid out as a .bmp file holds them.
std::optional<DIBSECTION> BmpLikeSection(HBITMAP bitmap);
