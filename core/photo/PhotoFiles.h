#pragma once

#include <string>

#include "core/settings/Variant.h"

// A photo's files in the screenshot folder: the bitmap file and the JPEG
// file. Either one holds the number, so a player who keeps only the JPEGs
// never has one replaced.
inline std::string BitmapPath(const std::string& folder, const std::string& number) {
    return folder + "\\_bmp_" + number + ".bmp";
}

inline std::string JpegPath(const std::string& folder, const std::string& number) {
    return folder + "\\" + number + ".jpg";
}

// Advances the number past every photo already in the folder, up to the
// first free number.
void ProbePhotoNumber(Variant& number, const std::string& folder);
