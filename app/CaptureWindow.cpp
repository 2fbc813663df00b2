#include "app/CaptureWindow.h"

#include "ui/MessagePump.h"
#include "ui/Process.h"
#include "ui/ScopedFlag.h"

CaptureWindow::CaptureWindow(ui::FormDesign design, const CaptureButtons& buttons,
                             ui::Form& options, ui::Form& help)
    : ui::Form(std::move(design)),
      options_(options),
      help_(help),
      ManualTake(Add(buttons.manualTake, &CaptureWindow::frmScreenshot_ManualTake_Click)),
      Options(Add(buttons.options, &CaptureWindow::frmScreenshot_Options_Click)),
      cmdRun(Add(buttons.cmdRun, &CaptureWindow::frmScreenshot_cmdRun_Click)) {}

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
    ui::UnloadAllForms();
}

template <typename Capture>
void CaptureWindow::Exclusively(Capture capture) {
    if (!started_ || busy_) {
        return;
    }
    ui::ScopedFlag busy(busy_);
    // Reported while still busy, so no further capture starts under the box.
    ui::RunReportingFailures("TakePhoto", capture);
}

void CaptureWindow::frmScreenshot_Timer1_Timer() {
    Exclusively([this] {
        BetweenRequests();
        requests_.Poll(CurrentGameFolder(), [this] { TakePhoto(); });
    });
}

void CaptureWindow::frmScreenshot_ManualTake_Click() {
    Exclusively([this] { TakePhoto(); });
}

void CaptureWindow::frmScreenshot_Options_Click() { options_.Show(); }

void CaptureWindow::frmScreenshot_cmdRun_Click() { help_.Show(); }
