#include "core/photo/JpegExport.h"

#include <algorithm>
#include <memory>
#include <string_view>

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
    // A library that cannot read a bitmap that is there is the one to blame.
    if (!picture) {
        return FileSize(job.bitmapPath) ? JpegOutcome::UnusableLibrary : JpegOutcome::NoBitmap;
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
    // Encoded in memory, then written as a new file under the scratch name
    // (never through anything standing there) and moved into place.
    const auto close = [&](FreeImageApi::Memory memory) { freeImage.CloseMemory(memory); };
    const std::unique_ptr<void, decltype(close)> memory(freeImage.OpenMemory(nullptr, 0), close);
    uint8_t* data = nullptr;
    uint32_t size = 0;
    bool saved =
        memory && picture &&
        freeImage.SaveToMemory(FreeImageApi::kFormatJpeg, picture.Get(), memory.get(),
                               FreeImageApi::kJpegQualitySuperb) &&
        freeImage.AcquireMemory(memory.get(), &data, &size) &&
        WriteNewFile(job.scratchPath,
                     {std::string_view(reinterpret_cast<const char*>(data), size)}) == Placed::Done;
    if (saved) {
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
