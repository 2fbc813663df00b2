#include "core/photo/StorePhoto.h"

#include "core/exchange/RequestFiles.h"
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

// Saves the bitmap file under the first number from `number` on whose name
// is free at the moment of saving; a failed write keeps the number.
void SaveBitmap(const DibImage& picture, const std::string& folder, Variant& number) {
    constexpr int kNamesToTry = 100;
    for (int tried = 0; tried < kNamesToTry; ++tried) {
        if (SaveNewBitmapFile(picture, BitmapPath(folder, number.Text())) != Placed::NameTaken) {
            return;
        }
        number.Increment();
        ProbePhotoNumber(number, folder);
    }
}

}  // namespace

void StorePhoto(const CaptureSettings& settings, Variant& number,
                const std::optional<DibImage>& picture, const FreeImageApi& freeImage) {
    const std::string& folder = settings.shotFolder;
    // The folder may have been removed while the program ran.
    if (!FileExists(folder)) {
        MakeFolder(folder);
    }
    if (picture) {
        SaveBitmap(*picture, folder, number);
    }
    const std::string n = number.Text();
    if (settings.resizeShots.Equals(1)) {
        ExportJpeg(freeImage, BitmapPath(folder, n), JpegPath(folder, n), RescaleSize(settings));
    }
    if (settings.saveAsJpeg.Equals(1) && settings.resizeShots.Equals(0)) {
        ExportJpeg(freeImage, BitmapPath(folder, n), JpegPath(folder, n), std::nullopt);
    }
    WriteReply(settings.gameFolder, n);
}

void CapturePhoto(const CaptureSettings& settings, Variant& photoNumber,
                  const std::function<std::optional<DibImage>()>& takePicture,
                  const FreeImageApi& freeImage) {
    ProbePhotoNumber(photoNumber, settings.shotFolder);
    const std::optional<DibImage> picture = takePicture();
    StorePhoto(settings, photoNumber, picture, freeImage);
    photoNumber.Increment();
}
