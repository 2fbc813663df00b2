#include "early/frmScreenshot.h"

#include <cmath>

#include "capture/ReadBitmap.h"
#include "capture/ScreenRoute.h"
#include "core/files/FileSystem.h"
#include "core/files/FolderNames.h"
#include "core/photo/PhotoFiles.h"
#include "core/texts/CaptureTexts.h"
#include "core/texts/EarlyTexts.h"
#include "early/EarlySettings.h"
#include "ui/MessageBox.h"
#include "ui/MessagePump.h"

namespace early {

namespace {

constexpr unsigned kRedrawAfterBoxMs = 150;

}  // namespace

FrmScreenshot::FrmScreenshot(ui::Form& options, ui::Form& help, Clock clock)
    : CaptureWindow({.name = "frmScreenshot",
                     .caption = kMainCaption,
                     .clientWidth = 2970,
                     .clientHeight = 1035,
                     .frame = ui::Frame::FixedSingle},
                    {.left = 360, .top = 0, .tabIndex = {0, 2, 3}}, options, help,
                    std::move(clock)) {}

void FrmScreenshot::SetUpCaptureSurface() {
    const float twipsPerPixel = 1440.0f / static_cast<float>(Dpi());
    screenWidthTwips_ = static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * twipsPerPixel;
    screenHeightTwips_ = static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * twipsPerPixel;
    ScreenWidthPx = static_cast<int>(std::lround(screenWidthTwips_ / twipsPerPixel));
    ScreenHeightPx = static_cast<int>(std::lround(screenHeightTwips_ / twipsPerPixel));
    Picture1.SetVisible(false);
    Picture1.SetBorder(false);
    Picture1.SetSize(ScreenWidthPx, ScreenHeightPx);
    Picture1.Image().ImageDC(ScreenWidthPx, ScreenHeightPx);
}

void FrmScreenshot::frmScreenshot_Form_Load() {
    LoadOptionsHidden(LoadFolders);
    SetUpCaptureSurface();
    Num = 0;
    // Nothing is made or removed in a folder stored by hand that Apply
    // would refuse (one named in part would be the starting folder's).
    const std::string folder = ShotFolder.Text();
    if (!FaultOf(folder, LongestShotFolder(kEarlyPhotos))) {
        MakeFolder(folder);
    }
    signs_.screenUnseen = !CopiesSeeTheScreen();
    StartCapturing();
}

void FrmScreenshot::TakePhoto() {
    // The folder as the capture starts: an Apply made under the size box
    // counts from the next capture on.
    const std::string folder = ShotFolder.Text();
    SetUpCaptureSurface();
    ui::MsgBox(SizeMessage(screenWidthTwips_, screenHeightTwips_));
    // A 3D game draws what the box covered only at its next frame: the
    // paints are let through and the game given two slow frames' time, so
    // the box is not in the photo.
    ui::PumpFor(kRedrawAfterBoxMs);

    // Nor is anything stored in a folder Apply would refuse.
    if (FaultOf(folder, LongestShotFolder(kEarlyPhotos))) {
        ui::MsgBox(PhotoNotSaved(EarlyPhotoPath(folder, Num)));
        return;
    }
    // Nothing is copied when no number is left.
    const std::optional<int32_t> free = numbers_.FirstFree(folder, Num);
    if (!free) {
        ui::MsgBox(kNoFreeNumber);
        return;
    }
    Num = *free;

    ui::Picture& image = Picture1.Image();
    {
        ui::WindowDC screen(nullptr);
        BitBlt(image.ImageDC(ScreenWidthPx, ScreenHeightPx), 0, 0, ScreenWidthPx, ScreenHeightPx,
               screen.Get(), 0, 0, SRCCOPY);
    }
    image.EndDrawing();

    const auto picture = ReadBitmap(image.Get());
    const NumberedPhoto stored = picture ? StoreUnderFreeNumber(*picture, numbers_, folder, Num)
                                         : NumberedPhoto{Placed::Failed, Num};
    if (stored.placed == Placed::NameTaken) {
        ui::MsgBox(kNoFreeNumber);
    } else if (stored.placed == Placed::Failed) {
        ui::MsgBox(PhotoNotSaved(EarlyPhotoPath(folder, stored.number)));
    } else {
        Num = stored.number + 1;
    }
}

const Variant& FrmScreenshot::GameFolderSetting() const { return GameFolder; }

void FrmScreenshot::BetweenRequests() {
    if (const std::string folder = ShotFolder.Text();
        !FaultOf(folder, LongestShotFolder(kEarlyPhotos))) {
        numbers_.Keep(folder);
    }
}

}  // namespace early
