#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A device-independent picture as Windows hands it out: rows bottom-up, each
// padded to four bytes, with a colour table for 8 bits per pixel or fewer.
// The pixels are its own, or, to spare copying a whole screen, those of a
// bitmap that outlives it.
struct DibImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<uint32_t> palette;        // 0x00RRGGBB, as RGBQUAD
    std::vector<uint8_t> pixels;          // its own
    const uint8_t* lentPixels = nullptr;  // or, when set, a bitmap's

    static int Stride(int width, int bitsPerPixel) {
        return ((width * bitsPerPixel + 31) / 32) * 4;
    }
    size_t PixelBytes() const {
        return static_cast<size_t>(Stride(width, bitsPerPixel)) * static_cast<size_t>(height);
    }
    std::string_view Pixels() const {
        return lentPixels
                   ? std::string_view(reinterpret_cast<const char*>(lentPixels), PixelBytes())
                   : std::string_view(reinterpret_cast<const char*>(pixels.data()), pixels.size());
    }
};

// What a .bmp file of the picture holds before its pixels: the file and
// picture headers and the colour table.
std::string BmpHeader(const DibImage& image);
