#include "mainwindow/CaptureWindow.h"

#include <utility>

#include "core/photo/PhotoSteps.h"

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
    loop_.Stop();
    LetGoOfFolders();
    ui::UnloadAllForms();
    FinishJpegs();
}

void CaptureWindow::FinishJpegs() {
    loop_.Stop();
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

void CaptureWindow::WaitOn(uint64_t watch) {
    wake_.reset();
    if (void* event = watch ? world_.Event(watch) : nullptr) {
        wake_.emplace(event, [this] {
            PhotoStepEnded("wait for the request");
            loop_.Signalled();
        });
    }
}

void CaptureWindow::ShowSigns() {
    signs_.gameFolder = loop_.GameFolderFault();
    signs_.leftAlone = loop_.LeftAloneSign();
    const std::string caption = CaptionFor(signs_);
    if (IsLoaded() && caption != Caption()) {
        SetCaption(caption);
        if (caption != kMainCaption) {
            FlashInTaskbar();
        }
    }
    PhotoStepEnded("caption");
}

void CaptureWindow::frmScreenshot_Timer1_Timer() { loop_.Tick(); }

void CaptureWindow::frmScreenshot_ManualTake_Click() { loop_.Click(); }

void CaptureWindow::frmScreenshot_Options_Click() { options_.Show(); }

void CaptureWindow::frmScreenshot_cmdRun_Click() { help_.Show(); }
