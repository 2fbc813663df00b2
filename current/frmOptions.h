#pragma once

#include "settings/OptionsForm.h"

// The options window: game folder, screenshot folder, JPEG and rescaling;
// checks, applies and stores them, and can remove the program's registry key.
class FrmOptions : public OptionsForm {
public:
    FrmOptions();

    void frmOptions_Form_Load();
    void frmOptions_resizeU_Click();
    void frmOptions_cmdApply_Click() override;
    void frmOptions_cmdRemoveReg_Click();

private:
    void OnLoad() override { frmOptions_Form_Load(); }

    // Apply's checks of the rescale size, in their order: width and height
    // filled in, each a whole number from 1 up, and a size that can be made
    // (no more pixels than an 8K screen). False, with the error and the
    // markers beside the fields concerned, when one fails.
    bool RescaleSizeReady();

public:
    // Its controls between the folders and the message line, one each;
    // geometry in twips: left, top, width, height.
    // clang-format off
    ui::Control& resizeU = Add(ui::CheckBox{.name = "resizeU", .caption = "Resize Screenshots?",
        .left = 240, .top = 1200, .width = 2295, .height = 255, .tabIndex = 9},
        &FrmOptions::frmOptions_resizeU_Click);
    ui::Control& Label3 = Add(ui::Label{.name = "Label3", .caption = "Width",
        .left = 240, .top = 1440, .width = 615, .height = 255, .tabIndex = 11});
    ui::Control& Label4 = Add(ui::Label{.name = "Label4", .caption = "Height",
        .left = 1080, .top = 1440, .width = 855, .height = 255, .tabIndex = 13});
    ui::Control& WidthU = Add(ui::TextBox{.name = "WidthU",
        .left = 240, .top = 1680, .width = 495, .height = 285, .tabIndex = 10});
    ui::Control& Label6 = Add(ui::Label{.name = "Label6",
        .left = 720, .top = 1680, .width = 135, .height = 255, .tabIndex = 15, .foreColour = kDarkRed});
    ui::Control& HeightU = Add(ui::TextBox{.name = "HeightU",
        .left = 1080, .top = 1680, .width = 495, .height = 285, .tabIndex = 12});
    ui::Control& Label7 = Add(ui::Label{.name = "Label7",
        .left = 1560, .top = 1680, .width = 135, .height = 255, .tabIndex = 16, .foreColour = kRed});
    ui::Control& AsJPEGU = Add(ui::CheckBox{.name = "AsJPEGU", .caption = "Compress to JPEG?",
        .left = 240, .top = 2040, .width = 2535, .height = 255, .tabIndex = 14});
    ui::Control& cmdRemoveReg = Add(ui::Button{.name = "cmdRemoveReg", .caption = "Uninstall",
        .left = 360, .top = 2640, .width = 855, .height = 375, .tabIndex = 17},
        &FrmOptions::frmOptions_cmdRemoveReg_Click);
    // clang-format on
};
