#pragma once

#include <string>

#include "core/photo/DibImage.h"

// Saves the picture as a .bmp file. It is written beside its final name and
// moved into place only when complete, so a failed write leaves no
// truncated picture. False when it could not be saved.
bool SaveBitmapFile(const DibImage& picture, const std::string& path);
