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

}  // namespace

void StorePhoto(const CaptureSettings& settings, const std::string& number,
                const std::optional<DibImage>& picture, const FreeImageApi& freeImage) {
    const std::string& folder = settings.shotFolder;
    // The folder may have been removed while the program ran.
    if (!FileExists(folder)) {
        MakeFolder(folder);
    }
    if (picture) {
        SaveBitmapFile(*picture, BitmapPath(folder, number));
    }
    if (settings.resizeShots.Equals(1)) {
        ExportJpeg(freeImage, BitmapPath(folder, number), JpegPath(folder, number),
                   RescaleSize(settings));
    }
    if (settings.saveAsJpeg.Equals(1) && settings.resizeShots.Equals(0)) {
        ExportJpeg(freeImage, BitmapPath(folder, number), JpegPath(folder, number), std::nullopt);
    }
    WriteReply(settings.gameFolder, number);
}

void CapturePhoto(const CaptureSettings& settings, Variant& photoNumber,
                  const std::function<std::optional<DibImage>()>& takePicture,
                  const FreeImageApi& freeImage) {
    ProbePhotoNumber(photoNumber, settings.shotFolder);
    const std::optional<DibImage> picture = takePicture();
    StorePhoto(settings, photoNumber.Text(), picture, freeImage);
    photoNumber.Increment();
}
