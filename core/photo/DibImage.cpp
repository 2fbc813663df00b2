#include "core/photo/DibImage.h"

namespace {

void Put16(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

}  // namespace

std::string BmpHeader(const DibImage& image) {
    constexpr uint32_t kFileHeader = 14;
    constexpr uint32_t kInfoHeader = 40;
    constexpr uint32_t kPixelsPerMetre = 3780;  // 96 dpi
    const uint32_t paletteBytes = static_cast<uint32_t>(image.palette.size() * 4);
    const uint32_t offset = kFileHeader + kInfoHeader + paletteBytes;
    const uint32_t pixelBytes = static_cast<uint32_t>(image.Pixels().size());

    std::string out;
    out.reserve(offset);
    out += "BM";
    Put32(out, offset + pixelBytes);
    Put32(out, 0);
    Put32(out, offset);

    Put32(out, kInfoHeader);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(image.bitsPerPixel));
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, static_cast<uint32_t>(image.palette.size()));
    Put32(out, 0);

    for (uint32_t colour : image.palette) {
        Put32(out, colour & 0x00FFFFFF);
    }
    return out;
}
