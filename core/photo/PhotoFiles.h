#pragma once

#include <string>

#include "core/settings/Variant.h"

// A photo's files in the screenshot folder: the bitmap file, which reserves
// the number, and the JPEG file.
inline std::string BitmapPath(const std::string& folder, const std::string& number) {
    return folder + "\\_bmp_" + number + ".bmp";
}

inline std::string JpegPath(const std::string& folder, const std::string& number) {
    return folder + "\\" + number + ".jpg";
}

// Advances the number past every bitmap file already in the folder, up to
// the first free number.
void ProbePhotoNumber(Variant& number, const std::string& folder);
