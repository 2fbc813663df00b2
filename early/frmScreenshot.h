#pragma once

#include "core/photo/TakenNumbers.h"
#include "mainwindow/CaptureWindow.h"

namespace early {

// The first edition's main window: copies the screen straight into a hidden
// picture box and stores it as a numbered bitmap file, after showing the
// screen's size.
class FrmScreenshot : public CaptureWindow {
public:
    FrmScreenshot(ui::Form& options, ui::Form& help, Clock clock = std::chrono::steady_clock::now);

    void TakePhoto() override;

    void frmScreenshot_Form_Load();

    int Num = 0;  // the next photo number; 0 to 32767

private:
    void OnLoad() override { frmScreenshot_Form_Load(); }
    const Variant& GameFolderSetting() const override;
    void BetweenRequests() override;
    void LetGoOfFolders() override { numbers_.Forget(); }

    // Makes Picture1 an invisible, borderless image as large as the screen.
    void SetUpCaptureSurface();

    TakenNumbers numbers_{kEarlyPhotos};

    int ScreenWidthPx = 0;
    int ScreenHeightPx = 0;
    float screenWidthTwips_ = 0;
    float screenHeightTwips_ = 0;

    // Made invisible, borderless and as large as the screen by the set-up.
    ui::Control& Picture1 = Add(ui::PictureBox{
        .name = "Picture1", .left = 480, .top = 360, .width = 375, .height = 615, .tabIndex = 1});
};

}  // namespace early
