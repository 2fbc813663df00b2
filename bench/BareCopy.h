#pragma once

#include <string>

// The least any camera could do for a photo: the screen into a 32-bit DIB
// made once and copied into again, then written as a .bmp file. In ms.
double BareCopyAndWrite(const std::string& path);
