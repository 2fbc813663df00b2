#include "mainwindow/CaptureWindow.h"

#include <utility>

#include "core/photo/PhotoSteps.h"
#include "ui/MessagePump.h"
#include "ui/Process.h"
#include "ui/ScopedFlag.h"

namespace {

ui::Button ColumnButton(const ButtonColumn& column, int row, const char* name, const char* caption,
                        const char* tooltip = nullptr) {
    return {.name = name,
            .caption = caption,
            .left = column.left,
            .top = column.top + 360 * row,
            .width = 2535,
            .height = 255,
            .tabIndex = column.tabIndex[row],
            .tooltip = tooltip};
}

}  // namespace

CaptureWindow::CaptureWindow(ui::FormDesign design, const ButtonColumn& buttons, ui::Form& options,
                             ui::Form& help, Clock clock)
    : ui::Form(std::move(design)),
      options_(options),
      help_(help),
      world_(std::move(clock)),
      ManualTake(
          Add(ColumnButton(buttons, 0, "ManualTake", "Take ScreenShot Now", "For Testing Purposes"),
              &CaptureWindow::frmScreenshot_ManualTake_Click)),
      Options(Add(ColumnButton(buttons, 1, "Options", "Options"),
                  &CaptureWindow::frmScreenshot_Options_Click)),
      cmdRun(Add(ColumnButton(buttons, 2, "cmdRun", "Instructions"),
                 &CaptureWindow::frmScreenshot_cmdRun_Click)) {}

void CaptureWindow::LoadOptionsHidden(const std::function<void()>& loadSettings) {
    if (ShownInBackground()) {
        // Beside a full-screen game not even a moment in front of it.
        ui::RunReportingFailures("frmOptions_Form_Load", [this] { options_.Load(); });
    } else {
        ui::RunReportingFailures("frmOptions_Form_Load", [this] { options_.Show(); });
        ui::DoEvents();
        options_.Hide();
    }
    if (!options_.IsLoaded()) {
        ui::RunReportingFailures("LoadSettings", loadSettings);
    }
}

void CaptureWindow::frmScreenshot_Form_Unload() {
    started_ = false;
    wake_.Follow("");
    ui::UnloadAllForms();
    FinishJpegs();
}

void CaptureWindow::FinishJpegs() {
    started_ = false;
    if (!JpegsDue()) {
        return;
    }
    for (ui::Control* button : {&ManualTake, &Options, &cmdRun}) {
        button->SetEnabled(false);
    }
    for (size_t due = JpegsDue(); due > 0; due = JpegsDue()) {
        SetCaption(FinishingCaption(due));
        SetShutdownReason(FinishingJpegs(due));
        ui::PumpFor(100);
    }
}

void CaptureWindow::OnQueryEndSession() {
    if (const size_t due = JpegsDue()) {
        SetShutdownReason(FinishingJpegs(due));
    }
}

// Windows ends the process after this, but a program that sent the message
// may not: a camera that stopped serving ends rather than look alive.
void CaptureWindow::OnEndSession() {
    FinishJpegs();
    ui::UnloadAllForms();
}

template <typename Capture>
void CaptureWindow::Exclusively(Capture capture) {
    if (!started_ || busy_) {
        return;
    }
    {
        ui::ScopedFlag busy(busy_);
        // Reported while still busy, so no further capture starts under the box.
        ui::RunReportingFailures("TakePhoto", capture);
        while (started_) {
            if (clicksDue_ > 0) {
                --clicksDue_;
                ui::RunReportingFailures("TakePhoto", [this] { TakePhoto(); });
            } else if (std::exchange(lookDue_, false) || requests_.TakeNextWaiting()) {
                ui::RunReportingFailures("TakePhoto", [this] { ServeRequest(); });
            } else {
                break;
            }
        }
    }
    ShowSigns();
    PhotoStepEnded("caption");
}

void CaptureWindow::ShowSigns() {
    const std::string caption = CaptionFor(signs_);
    if (!IsLoaded() || caption == Caption()) {
        return;
    }
    SetCaption(caption);
    if (caption != kMainCaption) {
        FlashInTaskbar();
    }
}

void CaptureWindow::frmScreenshot_Timer1_Timer() {
    if (busy_) {
        requests_.Tend();  // the request being photographed, while its writer may still be at it
        return;
    }
    Exclusively([this] {
        BetweenRequests();
        ServeRequest();
    });
}

void CaptureWindow::frmScreenshot_RequestWake() {
    if (busy_) {
        lookDue_ = true;
        return;
    }
    Exclusively([this] { ServeRequest(); });
}

void CaptureWindow::ServeRequest() {
    // A folder that Apply would refuse is a wrong one: it is not even looked
    // in, and one too long for the exchange's paths is never copied whole.
    const Variant& folder = GameFolderSetting();
    const bool tooLong = folder.TextLength() > kLongestGameFolder;
    const std::string gameFolder = tooLong ? std::string() : folder.Text();
    signs_.gameFolder = tooLong              ? std::optional(FolderFault::TooLong)
                        : gameFolder.empty() ? std::nullopt
                                             : FaultOf(gameFolder, kLongestGameFolder);
    if (signs_.gameFolder) {
        wake_.Follow("");
        return;
    }
    wake_.Follow(gameFolder);
    requests_.Poll(gameFolder, [this] { TakePhoto(); });
    signs_.linkLeftAlone = requests_.LinkLeftAlone();
}

void CaptureWindow::frmScreenshot_ManualTake_Click() {
    if (busy_) {
        ++clicksDue_;
        return;
    }
    Exclusively([this] { TakePhoto(); });
}

void CaptureWindow::frmScreenshot_Options_Click() { options_.Show(); }

void CaptureWindow::frmScreenshot_cmdRun_Click() { help_.Show(); }
