#include "capture/ReadBitmap.h"

#include "ui/Handles.h"

std::optional<DibImage> ReadBitmap(HBITMAP bitmap) {
    BITMAP shape{};
    if (!bitmap || !GetObjectA(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 ||
        shape.bmHeight <= 0) {
        return std::nullopt;
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
