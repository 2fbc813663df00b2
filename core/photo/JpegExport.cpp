#include "core/photo/JpegExport.h"

#include <algorithm>

#include "core/files/FileSystem.h"

bool IsPossibleSize(JpegSize size) {
    constexpr int kJpegSideLimit = 65500;
    return size.width > 0 && size.height > 0 && size.width <= kJpegSideLimit &&
           size.height <= kJpegSideLimit &&
           int64_t{size.width} * int64_t{size.height} <= kLargestRescale;
}

namespace {

// Why a JPEG could not be written: a drive with less room than its pixels
// would take uncompressed is full, as far as this JPEG goes.
JpegOutcome WhyNotWritten(const JpegJob& job) {
    const std::string folder = job.jpegPath.substr(0, job.jpegPath.find_last_of('\\'));
    const auto free = FreeSpace(folder);
    uint64_t needed = FileSize(job.bitmapPath).value_or(0);
    if (job.rescale) {
        needed = std::max<uint64_t>(needed, uint64_t(job.rescale->width) * job.rescale->height * 3);
    }
    return free && *free < needed ? JpegOutcome::DiskFull : JpegOutcome::NotWritten;
}

}  // namespace

JpegOutcome ExportJpeg(const FreeImageApi& freeImage, const JpegJob& job) {
    if (!freeImage.Available()) {
        return freeImage.missing ? JpegOutcome::NoLibrary : JpegOutcome::UnusableLibrary;
    }
    if (job.rescale && !IsPossibleSize(*job.rescale)) {
        return JpegOutcome::ImpossibleSize;
    }
    FreeImageBitmap picture(freeImage,
                            freeImage.Load(FreeImageApi::kFormatBmp, job.bitmapPath.c_str(), 0));
    if (!picture) {
        return JpegOutcome::NoBitmap;
    }
    if (job.rescale) {
        picture = FreeImageBitmap(
            freeImage, freeImage.Rescale(picture.Get(), job.rescale->width, job.rescale->height,
                                         FreeImageApi::kFilterBilinear));
    }
    // The JPEG writer takes 24-bit colour only; true-colour screens give 32 bits.
    if (picture && freeImage.GetBPP(picture.Get()) != 24) {
        picture = FreeImageBitmap(freeImage, freeImage.ConvertTo24Bits(picture.Get()));
    }
    // FreeImage writes by name: the scratch file is made first and held, so
    // that what it writes is that file and nothing a link leads to.
    NewFileHold scratch(job.scratchPath);
    bool saved = picture && scratch.Made() == Placed::Done &&
                 freeImage.Save(FreeImageApi::kFormatJpeg, picture.Get(), job.scratchPath.c_str(),
                                FreeImageApi::kJpegQualitySuperb);
    if (saved) {
        scratch.Keep();
        saved = MoveIntoFreeName(job.scratchPath, job.jpegPath) == Placed::Done;
        if (!saved) {
            RemoveFile(job.scratchPath);
        }
    }
    if (!saved) {
        return WhyNotWritten(job);
    }
    return JpegOutcome::Made;
}
