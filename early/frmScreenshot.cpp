#include "early/frmScreenshot.h"

#include <cmath>

#include "capture/ReadBitmap.h"
#include "core/files/FileSystem.h"
#include "core/files/init.h"
#include "core/photo/BitmapFile.h"
#include "core/texts/CaptureTexts.h"
#include "core/texts/EarlyTexts.h"
#include "early/EarlySettings.h"
#include "ui/MessageBox.h"
#include "ui/MessagePump.h"

namespace early {

namespace {

using ui::Kind;

constexpr unsigned kRedrawAfterBoxMs = 150;

// clang-format off
const CaptureButtons kButtons = {
    .manualTake = {.kind = Kind::Button, .name = "ManualTake", .caption = "Take ScreenShot Now",
        .left = 360, .top = 0, .width = 2535, .height = 255, .tabIndex = 0,
        .tooltip = "For Testing Purposes"},
    .options = {.kind = Kind::Button, .name = "Options", .caption = "Options",
        .left = 360, .top = 360, .width = 2535, .height = 255, .tabIndex = 2},
    .cmdRun = {.kind = Kind::Button, .name = "cmdRun", .caption = "Instructions",
        .left = 360, .top = 720, .width = 2535, .height = 255, .tabIndex = 3},
};
// clang-format on

}  // namespace

FrmScreenshot::FrmScreenshot(ui::Form& options, ui::Form& help)
    : CaptureWindow({.name = "frmScreenshot",
                     .caption = kMainCaption,
                     .clientWidth = 2970,
                     .clientHeight = 1035,
                     .frame = ui::Frame::FixedSingle},
                    kButtons, options, help) {}

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
    MakeFolder(ShotFolder.Text());
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

    if (!FindFreeNumber(folder)) {
        ui::MsgBox(kNoFreeNumber);
        return;
    }

    ui::Picture& image = Picture1.Image();
    {
        ui::WindowDC screen(nullptr);
        BitBlt(image.ImageDC(ScreenWidthPx, ScreenHeightPx), 0, 0, ScreenWidthPx, ScreenHeightPx,
               screen.Get(), 0, 0, SRCCOPY);
    }
    image.EndDrawing();

    const auto picture = ReadBitmap(image.Get());
    Placed placed = Placed::Failed;
    // Never over an earlier photo: a file that has appeared under the number
    // meanwhile moves this one on to the next free number.
    while (picture && (placed = SaveNewBitmapFile(*picture, EarlyPhotoPath(folder, Num))) ==
                          Placed::NameTaken) {
        if (!FindFreeNumber(folder)) {
            ui::MsgBox(kNoFreeNumber);
            return;
        }
    }
    if (placed != Placed::Done) {
        ui::MsgBox(PhotoNotSaved(EarlyPhotoPath(folder, Num)));
        return;
    }
    ++Num;
}

bool FrmScreenshot::FindFreeNumber(const std::string& folder) {
    while (Num <= kLastPhotoNumber && FileExists(EarlyPhotoPath(folder, Num))) {
        ++Num;
    }
    return Num <= kLastPhotoNumber;
}

std::string FrmScreenshot::CurrentGameFolder() const { return GameFolder.Text(); }

}  // namespace early
