#pragma once

#include "settings/FolderFields.h"

namespace early {

// The first edition's options: the two folders, reset to the game's folder
// and "C:\ScreenShots" at every load, never stored.
class FrmOptions : public FolderFieldsForm {
public:
    FrmOptions();

    void frmOptions_Form_Load();
    void frmOptions_cmdApply_Click();
    void frmOptions_cmdCancel_Click();
    void frmOptions_cmdHelp_Click();

private:
    void OnLoad() override { frmOptions_Form_Load(); }

    // Its controls below the folder fields, one row each; geometry in twips:
    // left, top, width, height.
    // clang-format off
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
