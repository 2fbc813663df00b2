#pragma once

#include "ui/Form.h"

// The options window: game folder, screenshot folder, JPEG and rescaling;
// checks, applies and stores them, and can remove the program's registry key.
class FrmOptions : public ui::Form {
public:
    FrmOptions();

    void frmOptions_Form_Load();
    void frmOptions_resizeU_Click();
    void frmOptions_cmdApply_Click();
    void frmOptions_cmdCancel_Click();
    void frmOptions_cmdHelp_Click();
    void frmOptions_cmdRemoveReg_Click();

private:
    void OnLoad() override { frmOptions_Form_Load(); }

    ui::Control& VeldrunFolderU;
    ui::Control& VeldFolderWrong;
    ui::Control& ScreenDirU;
    ui::Control& ScreenDirWrong;
    ui::Control& resizeU;
    ui::Control& WidthU;
    ui::Control& Label6;
    ui::Control& HeightU;
    ui::Control& Label7;
    ui::Control& AsJPEGU;
    ui::Control& msgError;
};
