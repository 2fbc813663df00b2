#include "app/frmScreenshot.h"

#include "capture/TakePhoto.h"
#include "core/files/FileSystem.h"
#include "core/texts/CaptureTexts.h"
#include "settings/LoadSettings.h"
#include "settings/SettingsVariables.h"

namespace {

using ui::Kind;

// Control tables stay one row per control.
// clang-format off
ui::FormDesign Design() {
    return {
        .name = "frmScreenshot",
        .caption = kMainCaption,
        .clientWidth = 2730,
        .clientHeight = 1140,
        .frame = ui::Frame::FixedSingle,
        .controls =
            {
                {.kind = Kind::Button, .name = "ManualTake", .caption = "Take ScreenShot Now",
                 .left = 120, .top = 120, .width = 2535, .height = 255, .tabIndex = 0,
                 .tooltip = "For Testing Purposes"},
                {.kind = Kind::Button, .name = "Options", .caption = "Options",
                 .left = 120, .top = 480, .width = 2535, .height = 255, .tabIndex = 1},
                {.kind = Kind::Button, .name = "cmdRun", .caption = "Instructions",
                 .left = 120, .top = 840, .width = 2535, .height = 255, .tabIndex = 2},
                {.kind = Kind::Timer, .name = "Timer1", .interval = 100},
                // Below the client area: holds the latest capture, never seen.
                {.kind = Kind::PictureBox, .name = "picScreen",
                 .left = 600, .top = 1440, .width = 1935, .height = 975, .tabIndex = 3},
            },
    };
}
// clang-format on

}  // namespace

FrmScreenshot::FrmScreenshot(ui::Form& options, ui::Form& help)
    : CaptureWindow(Design(), options, help), picScreen((*this)["picScreen"]) {}

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
