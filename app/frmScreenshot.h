#pragma once

#include "app/CaptureWindow.h"

// The main window: polls for the game's request file every 100 ms and takes
// photos, on request or by hand.
class FrmScreenshot : public CaptureWindow {
public:
    FrmScreenshot(ui::Form& options, ui::Form& help);

    // One photo: numbered bitmap file, the JPEG the settings ask for, and the
    // reply file for the game.
    void TakePhoto() override;

    void frmScreenshot_Form_Load();

private:
    void OnLoad() override { frmScreenshot_Form_Load(); }
    std::string CurrentGameFolder() const override;

    ui::Control& picScreen;
};
