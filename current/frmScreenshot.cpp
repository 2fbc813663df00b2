#include "current/frmScreenshot.h"

#include "capture/TakePhoto.h"
#include "core/files/FileSystem.h"
#include "core/texts/CaptureTexts.h"
#include "settings/LoadSettings.h"
#include "settings/SettingsVariables.h"

namespace {

using ui::Kind;

// clang-format off
const CaptureButtons kButtons = {
    .manualTake = {.kind = Kind::Button, .name = "ManualTake", .caption = "Take ScreenShot Now",
        .left = 120, .top = 120, .width = 2535, .height = 255, .tabIndex = 0,
        .tooltip = "For Testing Purposes"},
    .options = {.kind = Kind::Button, .name = "Options", .caption = "Options",
        .left = 120, .top = 480, .width = 2535, .height = 255, .tabIndex = 1},
    .cmdRun = {.kind = Kind::Button, .name = "cmdRun", .caption = "Instructions",
        .left = 120, .top = 840, .width = 2535, .height = 255, .tabIndex = 2},
};
// clang-format on

}  // namespace

FrmScreenshot::FrmScreenshot(ui::Form& options, ui::Form& help)
    : CaptureWindow({.name = "frmScreenshot",
                     .caption = kMainCaption,
                     .clientWidth = 2730,
                     .clientHeight = 1140,
                     .frame = ui::Frame::FixedSingle},
                    kButtons, options, help) {}

void FrmScreenshot::frmScreenshot_Form_Load() {
    LoadOptionsHidden([] { LoadSettings(); });
    PhotoNumber = 0;
    MakeFolder(ShotFolder.Text());
    StartCapturing();
}

void FrmScreenshot::TakePhoto() {
    const StoreOutcome outcome = TakeScreenPhoto(*this, picScreen, CaptureSettingsNow(),
                                                 PhotoNumber, ChooseScreenRoute(), reply_);
    const std::string caption = outcome.number ? kMainCaption : NotStoredCaption(outcome.reason);
    if (IsLoaded() && Caption() != caption) {
        SetCaption(caption);
        if (!outcome.number) {
            FlashInTaskbar();
        }
    }
}

std::string FrmScreenshot::CurrentGameFolder() const { return GameFolder.Text(); }
