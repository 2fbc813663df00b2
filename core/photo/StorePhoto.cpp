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

// Saves the bitmap file under the first number from `number` on that is
// free at the moment of saving.
Placed SaveBitmap(const DibImage& picture, const std::string& folder, Variant& number) {
    constexpr int kNamesToTry = 100;
    Placed placed = Placed::NameTaken;
    for (int tried = 0; tried < kNamesToTry && placed == Placed::NameTaken; ++tried) {
        ProbePhotoNumber(number, folder);
        placed = SaveNewBitmapFile(picture, BitmapPath(folder, number.Text()));
        if (placed == Placed::NameTaken) {
            number.Increment();
        }
    }
    return placed;
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

StoreOutcome StorePhoto(const CaptureSettings& settings, Variant number,
                        const std::optional<DibImage>& picture, const FreeImageApi& freeImage) {
    const std::string& folder = settings.shotFolder;
    if (!picture) {
        return {std::nullopt, NotStored::NoPicture};
    }
    // The folder may have been removed while the program ran.
    if (!FileExists(folder)) {
        MakeFolder(folder);
    }
    if (SaveBitmap(*picture, folder, number) != Placed::Done) {
        return {std::nullopt, WhyNotWritten(folder, *picture)};
    }
    const std::string n = number.Text();
    if (settings.resizeShots.Equals(1)) {
        ExportJpeg(freeImage, BitmapPath(folder, n), JpegPath(folder, n), RescaleSize(settings));
    } else if (settings.saveAsJpeg.Equals(1) && settings.resizeShots.Equals(0)) {
        ExportJpeg(freeImage, BitmapPath(folder, n), JpegPath(folder, n), std::nullopt);
    }
    return {number};
}

StoreOutcome CapturePhoto(const CaptureSettings& settings, Variant& photoNumber,
                          const std::function<std::optional<DibImage>()>& takePicture,
                          const FreeImageApi& freeImage, ReplyFile& reply) {
    ProbePhotoNumber(photoNumber, settings.shotFolder);
    const std::optional<DibImage> picture = takePicture();
    StoreOutcome outcome = StorePhoto(settings, photoNumber, picture, freeImage);
    if (outcome.number) {
        reply.Send(settings.gameFolder, outcome.number->Text());
        photoNumber = *outcome.number;
        photoNumber.Increment();
    }
    return outcome;
}
