#include "capture/ReadBitmap.h"

#include <algorithm>
#include <cstring>

#include "ui/Handles.h"

namespace {

// The fourth byte of a 32-bit pixel is unused, but viewers that read it as
// alpha show a photo transparent where the screen left it non-zero. A
// screen copy mostly leaves it zero: each block is only read then, not
// written, which keeps the photo's memory from being dirtied again.
void ClearUnusedBytes(uint8_t* pixels, size_t bytes) {
    constexpr size_t kBlock = 64 * 1024;
    for (size_t block = 0; block < bytes; block += kBlock) {
        const size_t end = std::min(bytes, block + kBlock) & ~size_t{3};
        uint32_t seen = 0;
        for (size_t at = block; at < end; at += 4) {
            uint32_t pixel;
            std::memcpy(&pixel, pixels + at, 4);
            seen |= pixel;
        }
        if ((seen & 0xFF000000u) == 0) {
            continue;
        }
        for (size_t at = block; at < end; at += 4) {
            uint32_t pixel;
            std::memcpy(&pixel, pixels + at, 4);
            pixel &= 0x00FFFFFFu;
            std::memcpy(pixels + at, &pixel, 4);
        }
    }
}

}  // namespace

std::optional<DIBSECTION> BmpLikeSection(HBITMAP bitmap) {
    DIBSECTION section{};
    if (!bitmap || GetObjectA(bitmap, sizeof section, &section) != sizeof section ||
        !section.dsBm.bmBits || section.dsBmih.biBitCount != 32 || section.dsBmih.biHeight <= 0 ||
        section.dsBmih.biCompression != BI_RGB) {
        return std::nullopt;
    }
    return section;
}

std::optional<DibImage> ReadBitmap(HBITMAP bitmap) {
    BITMAP shape{};
    if (!bitmap || !GetObjectA(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 ||
        shape.bmHeight <= 0) {
        return std::nullopt;
    }
    if (BmpLikeSection(bitmap)) {
        DibImage lent;
        lent.width = shape.bmWidth;
        lent.height = shape.bmHeight;
        lent.bitsPerPixel = 32;
        GdiFlush();
        ClearUnusedBytes(static_cast<uint8_t*>(shape.bmBits), lent.PixelBytes());
        lent.lentPixels = static_cast<const uint8_t*>(shape.bmBits);
        return lent;
    }
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    DibImage image;
    image.width = shape.bmWidth;
    image.height = shape.bmHeight;
    image.bitsPerPixel = shape.bmBitsPixel * shape.bmPlanes;
    if (image.bitsPerPixel != 1 && image.bitsPerPixel != 4 && image.bitsPerPixel != 8 &&
        image.bitsPerPixel != 16 && image.bitsPerPixel != 24) {
        image.bitsPerPixel = 32;
    }
    info.header.biSize = sizeof info.header;
    info.header.biWidth = image.width;
    info.header.biHeight = image.height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(image.bitsPerPixel);
    info.header.biCompression = BI_RGB;
    image.pixels.resize(static_cast<size_t>(DibImage::Stride(image.width, image.bitsPerPixel)) *
                        static_cast<size_t>(image.height));

    ui::WindowDC screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != image.height) {
        return std::nullopt;
    }
    if (image.bitsPerPixel == 32) {
        ClearUnusedBytes(image.pixels.data(), image.pixels.size());
    }
    if (image.bitsPerPixel <= 8) {
        const int colours = 1 << image.bitsPerPixel;
        for (int i = 0; i < colours; ++i) {
            const RGBQUAD& c = info.colours[i];
            image.palette.push_back((uint32_t{c.rgbRed} << 16) | (uint32_t{c.rgbGreen} << 8) |
                                    c.rgbBlue);
        }
    }
    return image;
}
