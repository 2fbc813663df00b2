#pragma once

#include <optional>
#include <string>

#include "core/photo/FreeImageApi.h"

struct JpegSize {
    int width = 0;
    int height = 0;
};

// Reads the bitmap file back and saves it as a JPEG of superb quality, at
// the given size or at its own, only where no file of that name exists. Any
// failure (no library, no bitmap file, a size that cannot be made, the name
// taken) leaves no JPEG file of its own behind and returns false.
bool ExportJpeg(const FreeImageApi& freeImage, const std::string& bitmapPath,
                const std::string& jpegPath, std::optional<JpegSize> rescale);

// Whether a rescale target can be made: positive, within JPEG's limit of
// 65500 pixels a side, and small enough to allocate.
bool IsPossibleSize(JpegSize size);
