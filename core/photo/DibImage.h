#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A device-independent picture as Windows hands it out: rows bottom-up, each
// padded to four bytes, with a colour table for 8 bits per pixel or fewer.
struct DibImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<uint32_t> palette;  // 0x00RRGGBB, as RGBQUAD
    std::vector<uint8_t> pixels;

    static int Stride(int width, int bitsPerPixel) {
        return ((width * bitsPerPixel + 31) / 32) * 4;
    }
};

// The picture as a complete .bmp file; the unused fourth byte of 32-bit
// pixels is written as zero.
std::string EncodeBmp(const DibImage& image);
