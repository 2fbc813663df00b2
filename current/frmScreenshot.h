#pragma once

#include "core/exchange/RequestFiles.h"
#include "core/photo/JpegQueue.h"
#include "core/photo/TakenNumbers.h"
#include "mainwindow/CaptureWindow.h"

// The main window: polls for the game's request file every 100 ms and takes
// photos, on request or by hand.
class FrmScreenshot : public CaptureWindow {
public:
    FrmScreenshot(ui::Form& options, ui::Form& help, Clock clock = std::chrono::steady_clock::now);

    // One photo: numbered bitmap file, the JPEG the settings ask for, and the
    // reply file for the game. While photos cannot be stored the caption says
    // why, until one is.
    void TakePhoto() override;

    void frmScreenshot_Form_Load();

private:
    void OnLoad() override { frmScreenshot_Form_Load(); }
    const Variant& GameFolderSetting() const override;
    void BetweenRequests() override;
    void LetGoOfFolders() override { numbers_.Forget(); }
    size_t JpegsDue() override { return jpegs_.Due(); }

    ReplyFile reply_{World()};
    JpegQueue jpegs_;
    TakenNumbers numbers_{kCurrentPhotos};
    bool copiedOnce_ = false;

    // Below the client area: holds the latest capture, never seen.
    ui::Control& picScreen = Add(ui::PictureBox{.name = "picScreen",
                                                .left = 600,
                                                .top = 1440,
                                                .width = 1935,
                                                .height = 975,
                                                .tabIndex = 3});
};
