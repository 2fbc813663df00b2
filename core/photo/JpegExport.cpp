#include "core/photo/JpegExport.h"

#include <cstdint>

#include "core/files/FileSystem.h"

bool IsPossibleSize(JpegSize size) {
    constexpr int kJpegSideLimit = 65500;
    constexpr int64_t kPixelLimit = int64_t{1} << 28;  // 1 GiB at 32 bits per pixel
    return size.width > 0 && size.height > 0 && size.width <= kJpegSideLimit &&
           size.height <= kJpegSideLimit &&
           int64_t{size.width} * int64_t{size.height} <= kPixelLimit;
}

bool ExportJpeg(const FreeImageApi& freeImage, const std::string& bitmapPath,
                const std::string& jpegPath, std::optional<JpegSize> rescale) {
    if (!freeImage.Available()) {
        return false;
    }
    FreeImageBitmap picture(freeImage,
                            freeImage.Load(FreeImageApi::kFormatBmp, bitmapPath.c_str(), 0));
    if (!picture) {
        return false;
    }
    if (rescale) {
        if (!IsPossibleSize(*rescale)) {
            return false;
        }
        picture = FreeImageBitmap(freeImage,
                                  freeImage.Rescale(picture.Get(), rescale->width, rescale->height,
                                                    FreeImageApi::kFilterBilinear));
        if (!picture) {
            return false;
        }
    }
    // The JPEG writer takes 24-bit colour only; true-colour screens give 32 bits.
    if (freeImage.GetBPP(picture.Get()) != 24) {
        picture = FreeImageBitmap(freeImage, freeImage.ConvertTo24Bits(picture.Get()));
        if (!picture) {
            return false;
        }
    }
    // The photo's own scratch name: a file of the player's is never in the way.
    const std::string partial = PartialName(bitmapPath);
    const bool saved = freeImage.Save(FreeImageApi::kFormatJpeg, picture.Get(), partial.c_str(),
                                      FreeImageApi::kJpegQualitySuperb) &&
                       MoveIntoFreeName(partial, jpegPath) == Placed::Done;
    if (!saved) {
        RemoveFile(partial);
    }
    return saved;
}
