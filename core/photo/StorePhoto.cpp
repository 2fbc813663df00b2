#include "core/photo/StorePhoto.h"

#include "core/files/FileSystem.h"
#include "core/files/FolderNames.h"
#include "core/files/init.h"
#include "core/photo/PhotoFiles.h"
#include "core/photo/PhotoSteps.h"

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
    // A read-only drive has no free space either; it is full only where
    // files can be made.
    if (!CanMakeFilesIn(folder)) {
        return NotStored::NotWritten;
    }
    const auto free = FreeSpace(folder);
    const size_t needed = BmpHeader(picture).size() + picture.Pixels().size();
    return free && *free < needed ? NotStored::DiskFull : NotStored::NotWritten;
}

}  // namespace

StoreOutcome StorePhoto(const std::string& folder, int32_t number,
                        const std::optional<DibImage>& picture, TakenNumbers& numbers) {
    if (!picture) {
        return {std::nullopt, NotStored::NoPicture};
    }
    // A folder set by hand in the registry may leave no room for the names,
    // or name a folder wherever the camera happens to be started.
    if (const auto fault = FaultOf(folder, LongestShotFolder(kCurrentPhotos))) {
        return {std::nullopt, *fault == FolderFault::TooLong   ? NotStored::TooLong
                              : *fault == FolderFault::NotFull ? NotStored::NotFullPath
                                                               : NotStored::NameEndsInDotOrSpace};
    }
    // The folder may have been removed while the program ran.
    if (!FileExists(folder)) {
        MakeFolder(folder);
    }
    const NumberedPhoto stored = StoreUnderFreeNumber(*picture, numbers, folder, number);
    if (stored.placed != Placed::Done) {
        return {std::nullopt, WhyNotWritten(folder, *picture)};
    }
    return {stored.number};
}

bool JpegWanted(const Variant& resizeShots, const Variant& saveAsJpeg) {
    return resizeShots.Equals(1) || (saveAsJpeg.Equals(1) && resizeShots.Equals(0));
}

std::optional<JpegJob> JpegAskedFor(const CaptureSettings& settings, int32_t number) {
    if (!JpegWanted(settings.resizeShots, settings.saveAsJpeg)) {
        return std::nullopt;
    }
    const std::string folder = settings.shotFolder.Text();
    return JpegJob{number, BitmapPath(folder, number), JpegPath(folder, number),
                   JpegScratchPath(folder, number),
                   settings.resizeShots.Equals(1) ? RescaleSize(settings) : std::nullopt};
}

StoreOutcome CapturePhoto(const CaptureSettings& settings, Variant& photoNumber,
                          const std::function<std::optional<DibImage>()>& takePicture,
                          ReplyFile& reply, JpegQueue& jpegs, TakenNumbers& numbers) {
    // Before the picture, the number walks past the photos the folder holds
    // now: it tells where the next photo goes even when this one is not
    // stored. Storing looks again, at the moment of saving.
    const int32_t start = photoNumber.ToLong().value_or(0);
    const int32_t next = numbers.FirstFree(settings.shotFolder.Text(), start).value_or(start);
    photoNumber = next;
    PhotoStepEnded("number probe");
    const std::optional<DibImage> picture = takePicture();
    const StoreOutcome outcome = StorePhoto(settings.shotFolder.Text(), next, picture, numbers);
    PhotoStepEnded("BMP write");
    if (outcome.number) {
        reply.Send(settings.gameFolder.Text(), std::to_string(*outcome.number));
        PhotoStepEnded("reply");
        if (auto jpeg = JpegAskedFor(settings, *outcome.number)) {
            jpegs.Add(std::move(*jpeg));
        }
        photoNumber = *outcome.number;
        photoNumber.Increment();
    }
    return outcome;
}
