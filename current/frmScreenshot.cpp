#include "current/frmScreenshot.h"

#include "capture/TakePhoto.h"
#include "core/files/FileSystem.h"
#include "core/photo/PhotoFiles.h"
#include "core/photo/StorePhoto.h"
#include "settings/Settings.h"

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
    MakeFolder(ShotFolder.Text());
    RemoveLeftScratchFiles(kCurrentPhotos, ShotFolder.Text());
    StartCapturing();
}

void FrmScreenshot::TakePhoto() {
    const StoreOutcome outcome = TakeScreenPhoto(*this, picScreen, CaptureSettingsNow(),
                                                 PhotoNumber, ChooseScreenRoute(), reply_, jpegs_);
    signs_.notStored = outcome.number ? std::nullopt : std::optional(outcome.reason);
    signs_.untold = reply_.GivenUp();
}

void FrmScreenshot::BetweenRequests() {
    reply_.Retry();
    signs_.untold = reply_.GivenUp();
    // A JPEG not made is told of until one is made, or none is asked for.
    if (!JpegWanted(ResizeShots, SaveAsJpeg)) {
        jpegs_.ForgetNotMade();
    }
    signs_.jpegNotMade = jpegs_.NotMade();
}

const Variant& FrmScreenshot::GameFolderSetting() const { return GameFolder; }
