#include "capture/StorePhoto.h"

#include "app/FileSystem.h"
#include "app/RequestFiles.h"
#include "app/init.h"
#include "capture/BitmapFile.h"
#include "capture/JpegExport.h"
#include "capture/PhotoFiles.h"
#include "settings/SettingsVariables.h"

namespace {

std::optional<JpegSize> RescaleSize() {
    const auto width = ShotWidth.ToLong();
    const auto height = ShotHeight.ToLong();
    if (!width || !height) {
        return JpegSize{};  // no number: a size that cannot be made
    }
    return JpegSize{*width, *height};
}

}  // namespace

void StorePhoto(const std::optional<DibImage>& picture, const FreeImageApi& freeImage) {
    // The folder may have been removed while the program ran.
    if (!FileExists(ShotFolder.Text())) {
        MakeFolder(ShotFolder.Text());
    }
    if (picture) {
        SaveBitmapFile(*picture, BitmapPath(ShotFolder.Text(), PhotoNumber.Text()));
    }
    if (ResizeShots.Equals(1)) {
        ExportJpeg(freeImage, BitmapPath(ShotFolder.Text(), PhotoNumber.Text()),
                   JpegPath(ShotFolder.Text(), PhotoNumber.Text()), RescaleSize());
    }
    if (SaveAsJpeg.Equals(1) && ResizeShots.Equals(0)) {
        ExportJpeg(freeImage, BitmapPath(ShotFolder.Text(), PhotoNumber.Text()),
                   JpegPath(ShotFolder.Text(), PhotoNumber.Text()), std::nullopt);
    }
    WriteReply(GameFolder.Text(), PhotoNumber.Text());
}

void CapturePhoto(const std::function<std::optional<DibImage>()>& takePicture,
                  const FreeImageApi& freeImage) {
    ProbePhotoNumber(PhotoNumber, ShotFolder);
    const std::optional<DibImage> picture = takePicture();
    StorePhoto(picture, freeImage);
    PhotoNumber.Increment();
}
