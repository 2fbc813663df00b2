#pragma once

#include "core/texts/OptionsTexts.h"
#include "ui/Form.h"

namespace early {

// The first edition's options: the two folders, reset to the game's folder
// and "C:\ScreenShots" at every load, never stored.
class FrmOptions : public ui::Form {
public:
    FrmOptions();

    void frmOptions_Form_Load();
    void frmOptions_cmdApply_Click();
    void frmOptions_cmdCancel_Click();
    void frmOptions_cmdHelp_Click();

private:
    void OnLoad() override { frmOptions_Form_Load(); }

    using Kind = ui::Kind;

    // One row per control; geometry in twips: left, top, width, height.
    // clang-format off
    ui::Control& Label1 = Add({.kind = Kind::Label, .name = "Label1", .caption = "Veldrun Folder",
        .left = 120, .top = 0, .width = 1935, .height = 255, .tabIndex = 2});
    ui::Control& VeldrunFolderU = Add({.kind = Kind::TextBox, .name = "VeldrunFolderU",
        .left = 240, .top = 240, .width = 2775, .height = 285, .tabIndex = 0});
    ui::Control& VeldFolderWrong = Add({.kind = Kind::Label, .name = "VeldFolderWrong",
        .left = 3000, .top = 240, .width = 135, .height = 255, .tabIndex = 8, .foreColour = kDarkRed});
    ui::Control& Label2 = Add({.kind = Kind::Label, .name = "Label2", .caption = "ScreenShot Dir",
        .left = 120, .top = 600, .width = 1815, .height = 255, .tabIndex = 4});
    ui::Control& ScreenDirU = Add({.kind = Kind::TextBox, .name = "ScreenDirU",
        .left = 240, .top = 840, .width = 2775, .height = 285, .tabIndex = 3});
    ui::Control& ScreenDirWrong = Add({.kind = Kind::Label, .name = "ScreenDirWrong",
        .left = 3000, .top = 840, .width = 135, .height = 255, .tabIndex = 9, .foreColour = kDarkRed});
    ui::Control& msgError = Add({.kind = Kind::Label, .name = "msgError",
        .left = 0, .top = 1200, .width = 3135, .height = 255, .tabIndex = 7, .foreColour = kRed});
    ui::Control& cmdApply = Add({.kind = Kind::Button, .name = "cmdApply", .caption = "Apply",
        .left = 2160, .top = 1440, .width = 975, .height = 375, .tabIndex = 1},
        &FrmOptions::frmOptions_cmdApply_Click);
    ui::Control& cmdCancel = Add({.kind = Kind::Button, .name = "cmdCancel", .caption = "Cancel",
        .left = 1200, .top = 1440, .width = 975, .height = 375, .tabIndex = 5},
        &FrmOptions::frmOptions_cmdCancel_Click);
    ui::Control& cmdHelp = Add({.kind = Kind::Button, .name = "cmdHelp", .caption = "?",
        .left = 0, .top = 1560, .width = 255, .height = 255, .tabIndex = 6},
        &FrmOptions::frmOptions_cmdHelp_Click);
    // clang-format on
};

}  // namespace early
