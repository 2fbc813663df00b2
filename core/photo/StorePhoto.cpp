#include "core/photo/StorePhoto.h"

#include "core/files/FileSystem.h"
#include "core/files/init.h"
#include "core/photo/BitmapFile.h"
#include "core/photo/JpegExport.h"
#include "core/photo/PhotoFiles.h"

namespace {

std::optional<JpegSize> RescaleSize(const CaptureSettings& settings) {
    const auto width = settings.shotWidth.ToLong();
    const auto height = settings.shotHeight.ToLong();
    if (!width || !height) {
        return JpegSize{};  // no number: a size that cannot be made
    }
    return JpegSize{*width, *height};
}

NotStored WhyNotWritten(const std::string& folder, const DibImage& picture) {
    if (!FileExists(folder)) {
        return NotStored::NoFolder;
    }
    if (!FolderExists(folder)) {
        return NotStored::NotAFolder;
    }
    const auto free = FreeSpace(folder);
    const size_t needed = BmpHeader(picture).size() + picture.Pixels().size();
    return free && *free < needed ? NotStored::DiskFull : NotStored::NotWritten;
}

}  // namespace

StoreOutcome StorePhoto(const CaptureSettings& settings, int32_t number,
                        const std::optional<DibImage>& picture, const FreeImageApi& freeImage) {
    const std::string& folder = settings.shotFolder;
    if (!picture) {
        return {std::nullopt, NotStored::NoPicture};
    }
    // The folder may have been removed while the program ran.
    if (!FileExists(folder)) {
        MakeFolder(folder);
    }
    const NumberedPhoto stored = StoreUnderFreeNumber(*picture, kCurrentPhotos, folder, number);
    if (stored.placed != Placed::Done) {
        return {std::nullopt, WhyNotWritten(folder, *picture)};
    }
    const int32_t n = stored.number;
    if (settings.resizeShots.Equals(1)) {
        ExportJpeg(freeImage, BitmapPath(folder, n), JpegPath(folder, n), RescaleSize(settings));
    } else if (settings.saveAsJpeg.Equals(1) && settings.resizeShots.Equals(0)) {
        ExportJpeg(freeImage, BitmapPath(folder, n), JpegPath(folder, n), std::nullopt);
    }
    return {n};
}

StoreOutcome CapturePhoto(const CaptureSettings& settings, Variant& photoNumber,
                          const std::function<std::optional<DibImage>()>& takePicture,
                          const FreeImageApi& freeImage, ReplyFile& reply) {
    // Before the picture, the number walks past the photos the folder holds
    // now: it tells where the next photo goes even when this one is not
    // stored. Storing looks again, at the moment of saving.
    const int32_t start = photoNumber.ToLong().value_or(0);
    const int32_t next =
        FirstFreeNumber(kCurrentPhotos, settings.shotFolder, start).value_or(start);
    photoNumber = next;
    const std::optional<DibImage> picture = takePicture();
    StoreOutcome outcome = StorePhoto(settings, next, picture, freeImage);
    if (outcome.number) {
        reply.Send(settings.gameFolder, std::to_string(*outcome.number));
        photoNumber = *outcome.number;
        photoNumber.Increment();
    }
    return outcome;
}
