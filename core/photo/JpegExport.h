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
    int32_t number = 0;  // the photo's
    std::string bitmapPath;
    std::string jpegPath;
    std::string scratchPath;
    std::optional<JpegSize> rescale;
};

// What became of a JPEG asked for.
enum class JpegOutcome {
    Made,
    NoLibrary,        // no FreeImage.dll
    UnusableLibrary,  // one that is no FreeImage of this build's kind, or cannot read a bitmap
    ImpossibleSize,   // the rescale size is no number or cannot be made
    NoBitmap,         // its bitmap file is gone
    DiskFull,
    NotWritten,  // or its name was taken meanwhile
};

// A photo's JPEG that was not made, and why.
struct JpegNotMade {
    int32_t number = 0;
    JpegOutcome outcome = JpegOutcome::NotWritten;
    bool operator==(const JpegNotMade&) const = default;
};

// Reads the bitmap file back and saves it as a JPEG of superb quality, only
// where no file of that name exists. A JPEG not made leaves no file of its
// own behind.
JpegOutcome ExportJpeg(const FreeImageApi& freeImage, const JpegJob& job);
