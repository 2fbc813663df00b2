#pragma once

#include <windows.h>

#include <string>

#include "core/texts/GameScript.h"
#include "core/texts/HelpTexts.h"
#include "ui/Form.h"

// The help window: instructions, the game-side script to copy, and a
// launcher for the System Information tool.
class FrmHelp : public ui::Form {
public:
    explicit FrmHelp(Edition edition);

    // Finds and starts System Information, or says it is unavailable. Nothing
    // gets out of it.
    void StartSysInfo();

    // Reads a registry value of at most 1024 bytes by the shown-text rule
    // (ui/Registry.h); false when the key or value is missing or larger.
    // Other types leave keyValue as it was.
    bool GetKeyValue(HKEY keyRoot, const std::string& keyName, const std::string& subKeyRef,
                     std::string& keyValue, REGSAM view = 0);

    void frmHelp_Form_Load();
    void frmHelp_cmdOK_Click();
    void frmHelp_cmdSysInfo_Click();

private:
    void OnLoad() override { frmHelp_Form_Load(); }

    static constexpr uint32_t kBlack = 0x000000;
    static constexpr uint32_t kWhite = 0xFFFFFF;
    static constexpr uint32_t kGrey = 0x808080;

    Edition edition_;

    // One row per control; geometry in twips: left, top, width, height, or a
    // line's two ends.
    // clang-format off
    ui::Control& cmdOK = Add(ui::Button{.name = "cmdOK", .caption = "OK",
        .left = 4440, .top = 3480, .width = 1260, .height = 345, .tabIndex = 0,
        .isDefault = true, .isCancel = true}, &FrmHelp::frmHelp_cmdOK_Click);
    ui::Control& cmdSysInfo = Add(ui::Button{.name = "cmdSysInfo", .caption = "&System Info...",
        .left = 3120, .top = 3480, .width = 1245, .height = 345, .tabIndex = 1},
        &FrmHelp::frmHelp_cmdSysInfo_Click);
    ui::Control& lblDescription = Add(ui::Label{.name = "lblDescription",
        .left = 120, .top = 240, .width = 5445, .height = 1890, .tabIndex = 2, .foreColour = kBlack});
    ui::Control& frmScript = Add(ui::TextBox{.name = "frmScript", .text = kGameScript,
        .left = 120, .top = 2280, .width = 5415, .height = 975, .tabIndex = 3,
        .multiLine = true, .verticalScroll = true});
    // Far below the client area; the source of every double quote in the label.
    ui::Control& quote = Add(ui::TextBox{.name = "quote", .text = "\"",
        .left = 4560, .top = 245745, .width = 255, .height = 285, .tabIndex = 4});
    const ui::Line& Line2 = Add(ui::Line{.name = "Line2", .x1 = 120, .y1 = 2160, .x2 = 5640, .y2 = 2160});
    const ui::Line* Line1[3] = {
        &Add(ui::Line{.name = "Line1(0)", .x1 = 105, .y1 = 2460, .x2 = 5654, .y2 = 2460,
                      .foreColour = kWhite, .width = 2}),
        &Add(ui::Line{.name = "Line1(1)", .x1 = 120, .y1 = 3360, .x2 = 5684, .y2 = 3360,
                      .foreColour = kGrey}),
        &Add(ui::Line{.name = "Line1(2)", .x1 = 0, .y1 = 0, .x2 = 5564, .y2 = 0, .foreColour = kGrey}),
    };
    // clang-format on
};
