#include "current/frmScreenshot.h"

#include "capture/ScreenGrab.h"
#include "capture/ScreenRoute.h"
#include "capture/TakePhoto.h"
#include "core/files/FileSystem.h"
#include "core/files/FolderNames.h"
#include "core/photo/PhotoFiles.h"
#include "core/photo/StorePhoto.h"
#include "current/StoredSettings.h"

FrmScreenshot::FrmScreenshot(ui::Form& options, ui::Form& help, Clock clock)
    : CaptureWindow({.name = "frmScreenshot",
                     .caption = kMainCaption,
                     .clientWidth = 2730,
                     .clientHeight = 1140,
                     .frame = ui::Frame::FixedSingle},
                    {.left = 120, .top = 120, .tabIndex = {0, 1, 2}}, options, help,
                    std::move(clock)) {}

void FrmScreenshot::frmScreenshot_Form_Load() {
    LoadOptionsHidden(LoadSettings);
    PhotoNumber = 0;
    // Nothing is made or removed in a folder stored by hand that Apply
    // would refuse (one named in part would be the starting folder's).
    const std::string folder = ShotFolder.Text();
    if (!FaultOf(folder, LongestShotFolder(kCurrentPhotos))) {
        MakeFolder(folder);
    }
    signs_.screenUnseen = !CopiesSeeTheScreen();
    StartCapturing();
}

void FrmScreenshot::TakePhoto() {
    const StoreOutcome outcome =
        TakeScreenPhoto(*this, picScreen, CaptureSettingsNow(), PhotoNumber, ChooseScreenRoute(),
                        reply_, jpegs_, numbers_);
    signs_.notStored = outcome.number ? std::nullopt : std::optional(outcome.reason);
    signs_.untold = reply_.GivenUp();
}

void FrmScreenshot::BetweenRequests() {
    // The screen copied once before the first photo, into the bitmap the
    // photos are copied into: making it, and the system's first copy of the
    // screen, would add tens of milliseconds to the run's first photo.
    if (!copiedOnce_) {
        copiedOnce_ = true;
        picScreen.Image().Set(CopyScreen(picScreen.Image().Take()));
    }
    // What happened in the screenshot folder is taken in now, not at the next press.
    if (const std::string folder = ShotFolder.Text();
        !FaultOf(folder, LongestShotFolder(kCurrentPhotos))) {
        numbers_.Keep(folder);
    }
    reply_.Retry();
    signs_.untold = reply_.GivenUp();
    // A JPEG not made is told of until one is made, or none is asked for.
    if (!JpegWanted(ResizeShots, SaveAsJpeg)) {
        jpegs_.ForgetNotMade();
    }
    const std::optional<JpegNotMade> notMade = jpegs_.NotMade();
    signs_.jpegNotMade = notMade ? std::optional(JpegNotMadeSign(*notMade)) : std::nullopt;
}

const Variant& FrmScreenshot::GameFolderSetting() const { return GameFolder; }
