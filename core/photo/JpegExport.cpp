#include "core/photo/JpegExport.h"

#include "core/files/FileSystem.h"

bool IsPossibleSize(JpegSize size) {
    constexpr int kJpegSideLimit = 65500;
    return size.width > 0 && size.height > 0 && size.width <= kJpegSideLimit &&
           size.height <= kJpegSideLimit &&
           int64_t{size.width} * int64_t{size.height} <= kLargestRescale;
}

bool ExportJpeg(const FreeImageApi& freeImage, const JpegJob& job) {
    if (!freeImage.Available() || (job.rescale && !IsPossibleSize(*job.rescale))) {
        return false;
    }
    FreeImageBitmap picture(freeImage,
                            freeImage.Load(FreeImageApi::kFormatBmp, job.bitmapPath.c_str(), 0));
    if (!picture) {
        return false;
    }
    if (job.rescale) {
        picture = FreeImageBitmap(
            freeImage, freeImage.Rescale(picture.Get(), job.rescale->width, job.rescale->height,
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
    const bool saved = freeImage.Save(FreeImageApi::kFormatJpeg, picture.Get(),
                                      job.scratchPath.c_str(), FreeImageApi::kJpegQualitySuperb) &&
                       MoveIntoFreeName(job.scratchPath, job.jpegPath) == Placed::Done;
    if (!saved) {
        RemoveFile(job.scratchPath);
    }
    return saved;
}
