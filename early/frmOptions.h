#pragma once

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

    ui::Control& VeldrunFolderU;
    ui::Control& VeldFolderWrong;
    ui::Control& ScreenDirU;
    ui::Control& ScreenDirWrong;
    ui::Control& msgError;
};

}  // namespace early
