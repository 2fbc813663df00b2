#pragma once

#include <FreeImage.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/files/NativePath.h"
#include "core/photo/DibImage.h"

// Pictures for the host tests, and what the real FreeImage reads back from
// the files made of them.

// A picture with a known pattern: red left half, blue right half.
inline DibImage Picture(int width, int height, int bitsPerPixel = 32) {
    DibImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    const int stride = DibImage::Stride(width, bitsPerPixel);
    image.pixels.assign(static_cast<size_t>(stride) * height, 0);
    if (bitsPerPixel == 8) {
        image.palette.assign(256, 0);
        image.palette[1] = 0xFF0000;
        image.palette[2] = 0x0000FF;
    }
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image.pixels.data() + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            switch (bitsPerPixel) {
                case 32:
                case 24: {
                    uint8_t* pixel = row + x * (bitsPerPixel / 8);
                    pixel[0] = left ? 0 : 255;  // blue
                    pixel[1] = 0;
                    pixel[2] = left ? 255 : 0;  // red
                    break;
                }
                case 16: {
                    const uint16_t value = left ? 0x7C00 : 0x001F;  // 5-5-5
                    row[x * 2] = static_cast<uint8_t>(value & 0xFF);
                    row[x * 2 + 1] = static_cast<uint8_t>(value >> 8);
                    break;
                }
                case 8:
                    row[x] = left ? 1 : 2;
                    break;
            }
        }
    }
    return image;
}

struct ImageInfo {
    unsigned width = 0;
    unsigned height = 0;
    unsigned bitsPerPixel = 0;
    FREE_IMAGE_FORMAT format = FIF_UNKNOWN;
    RGBQUAD leftColour{};
    RGBQUAD rightColour{};
};

inline std::optional<ImageInfo> Inspect(const std::string& path) {
    const std::string native = NativePath(path).string();
    ImageInfo info;
    info.format = FreeImage_GetFileType(native.c_str(), 0);
    FIBITMAP* bitmap = FreeImage_Load(info.format, native.c_str(), 0);
    if (!bitmap) {
        return std::nullopt;
    }
    info.width = FreeImage_GetWidth(bitmap);
    info.height = FreeImage_GetHeight(bitmap);
    info.bitsPerPixel = FreeImage_GetBPP(bitmap);
    FIBITMAP* colour = FreeImage_ConvertTo24Bits(bitmap);
    FreeImage_GetPixelColor(colour, info.width / 4, info.height / 2, &info.leftColour);
    FreeImage_GetPixelColor(colour, info.width * 3 / 4, info.height / 2, &info.rightColour);
    FreeImage_Unload(colour);
    FreeImage_Unload(bitmap);
    return info;
}
