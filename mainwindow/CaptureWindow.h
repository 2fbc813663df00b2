#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/exchange/CameraLoop.h"
#include "core/exchange/RequestFiles.h"
#include "core/exchange/SystemWorld.h"
#include "core/settings/Variant.h"
#include "core/texts/CaptureTexts.h"
#include "ui/Form.h"
#include "ui/MessagePump.h"
#include "ui/Process.h"

// Where an edition's window has the three buttons both editions have: a
// column of equal buttons, 360 twips apart, and their places in the tab
// order, top to bottom.
struct ButtonColumn {
    int left = 0;  // twips
    int top = 0;
    int tabIndex[3] = {};
};

// What both editions' main windows share: the camera's loop (CameraLoop)
// driven by the timer, the watch's handle and the button, the three
// buttons, and the shut-down that closes the other windows and finishes the
// JPEGs still due, saying so, also when the session ends. One clock, given,
// times the exchange: the watch's checks, the request's settling and the
// reply's patience.
class CaptureWindow : public ui::Form {
public:
    // Takes one photo; each edition has its own.
    virtual void TakePhoto() = 0;

    void frmScreenshot_Form_Unload();
    void frmScreenshot_Timer1_Timer();
    void frmScreenshot_ManualTake_Click();
    void frmScreenshot_Options_Click();
    void frmScreenshot_cmdRun_Click();

protected:
    CaptureWindow(ui::FormDesign design, const ButtonColumn& buttons, ui::Form& options,
                  ui::Form& help, Clock clock);

    // The files and the clock of the exchange with the game.
    ExchangeWorld& World() { return world_; }

    // Has the options window load the settings, leaving it hidden. A window
    // that cannot load is reported, and loadSettings runs without it, so the
    // camera still starts.
    void LoadOptionsHidden(const std::function<void()>& loadSettings);

    // The game folder setting as it is now; requests are looked for below it.
    virtual const Variant& GameFolderSetting() const = 0;

    // Runs at every poll that finds no capture running.
    virtual void BetweenRequests() {}

    // The camera stops: what it holds open of the player's folders goes.
    virtual void LetGoOfFolders() {}

    // Polling and captures start only once start-up has finished.
    void StartCapturing() { loop_.Start(); }

    // The JPEGs asked for and not yet made, which closing and the end of
    // the session wait for; the first edition makes none.
    virtual size_t JpegsDue() { return 0; }

    // What the caption tells; shown after every poll and capture.
    CameraSigns signs_;

private:
    void OnUnload() override { frmScreenshot_Form_Unload(); }
    void OnQueryEndSession() override;
    void OnEndSession() override;

    // Serves nothing more and waits for the JPEGs still due, the caption
    // counting them down.
    void FinishJpegs();

    // Waits on the watch the loop names.
    void WaitOn(uint64_t watch);
    // The caption for the signs, flashing the taskbar button when it tells
    // of something without taking the foreground.
    void ShowSigns();

    ui::Form& options_;
    ui::Form& help_;
    SystemWorld world_;
    // A capture's failure is reported in a message box.
    CameraLoop loop_{world_,
                     {.photograph = [this](CameraLoop::Asked) { TakePhoto(); },
                      .runCapture =
                          [](const std::function<void()>& capture) {
                              ui::RunReportingFailures("TakePhoto", capture);
                          },
                      .gameFolder = [this]() -> const Variant& { return GameFolderSetting(); },
                      .betweenRequests = [this] { BetweenRequests(); },
                      .watching = [this](uint64_t watch) { WaitOn(watch); },
                      .capturesOver = [this] { ShowSigns(); }}};
    std::optional<ui::Wake> wake_;  // on the watch of the request's name

    ui::Control& ManualTake;
    ui::Control& Options;
    ui::Control& cmdRun;
    ui::Control& Timer1 = Add(ui::Timer{.name = "Timer1", .interval = 100},
                              &CaptureWindow::frmScreenshot_Timer1_Timer);
};
