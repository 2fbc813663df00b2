#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/photo/FreeImageApi.h"

struct JpegSize {
    int width = 0;
    int height = 0;
};

// The most pixels a rescaled JPEG may have: as many as an 8K screen,
// 7680 x 4320, more than any screen gives.
inline constexpr int64_t kLargestRescale = int64_t{7680} * 4320;

// Whether a rescale target can be made: positive, within JPEG's limit of
// 65500 pixels a side, and no more pixels than kLargestRescale.
bool IsPossibleSize(JpegSize size);

// One JPEG to make from a stored bitmap file: at the given size or at its
// own, written under the scratch name and moved into place when whole.
struct JpegJob {
    std::string bitmapPath;
    std::string jpegPath;
    std::string scratchPath;
    std::optional<JpegSize> rescale;
};

// Reads the bitmap file back and saves it as a JPEG of superb quality, only
// where no file of that name exists. Any failure (no library, no bitmap
// file, a size that cannot be made, the name taken) leaves no JPEG file of
// its own behind and returns false.
bool ExportJpeg(const FreeImageApi& freeImage, const JpegJob& job);
