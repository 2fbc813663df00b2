#pragma once

#include <string>

#include "core/files/FileSystem.h"
#include "core/photo/DibImage.h"

// Saves the picture as a new .bmp file. It is written under the scratch
// name beside its final name and moved into place only when complete, so a
// failed write leaves no truncated picture, and only where no file of that
// name exists, so no earlier photo is ever replaced (NameTaken then, as when
// anything stands under the scratch name).
Placed SaveNewBitmapFile(const DibImage& picture, const std::string& scratch,
                         const std::string& path);
