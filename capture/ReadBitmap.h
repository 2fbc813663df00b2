#pragma once

#include <windows.h>

#include <optional>

#include "core/photo/DibImage.h"

// The bitmap's pixels at the depth it has. The bitmap must not be selected
// into a DC.
std::optional<DibImage> ReadBitmap(HBITMAP bitmap);
