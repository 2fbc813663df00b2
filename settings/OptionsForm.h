#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/Form.h"

// What both editions' options windows have: the game folder and the
// screenshot folder with their markers at the top, and at the bottom the
// message line, Apply, Cancel and "?", with Apply's checks of the folders.
class OptionsForm : public ui::Form {
public:
    virtual void frmOptions_cmdApply_Click() = 0;
    void frmOptions_cmdCancel_Click() { Unload(); }
    void frmOptions_cmdHelp_Click();

protected:
    // Where each edition's window differs; each gives its own.
    struct Layout {
        int clientWidth = 0, clientHeight = 0;  // twips
        int shotMarkerTabIndex = ui::kNoTabIndex;
        size_t longestShotFolder = 0;
        int applyTop = 0;       // twips; the message line is above it, "?" below
        const char* hint = "";  // the message line's standing text
        std::string helpText;   // what "?" explains
    };
    explicit OptionsForm(Layout layout);

    // Apply's folder checks, in their order: each folder must be named in
    // full, as Windows keeps it, and leave room for the files below it; the
    // game folder must exist; a screenshot folder that is not there is made,
    // and " - Folder created" said only once it exists and can be written.
    // False, with the error in the message line and the marker beside the
    // field, when one fails.
    bool FoldersReady();

    // Colours of the markers and the message line (0x00BBGGRR).
    static constexpr uint32_t kDarkRed = 0x0000C0;
    static constexpr uint32_t kRed = 0x0000FF;

private:
    // Before the controls: they read it as they are made.
    const Layout layout_;

public:
    // Its controls, one each; geometry in twips: left, top, width, height.
    // clang-format off
    ui::Control& Label1 = Add(ui::Label{.name = "Label1", .caption = "Veldrun Folder",
        .left = 120, .top = 0, .width = 1935, .height = 255, .tabIndex = 2});
    ui::Control& VeldrunFolderU = Add(ui::TextBox{.name = "VeldrunFolderU",
        .left = 240, .top = 240, .width = 2775, .height = 285, .tabIndex = 0});
    ui::Control& VeldFolderWrong = Add(ui::Label{.name = "VeldFolderWrong",
        .left = 3000, .top = 240, .width = 135, .height = 255, .tabIndex = 8, .foreColour = kDarkRed});
    ui::Control& Label2 = Add(ui::Label{.name = "Label2", .caption = "ScreenShot Dir",
        .left = 120, .top = 600, .width = 1815, .height = 255, .tabIndex = 4});
    ui::Control& ScreenDirU = Add(ui::TextBox{.name = "ScreenDirU",
        .left = 240, .top = 840, .width = 2775, .height = 285, .tabIndex = 3});
    ui::Control& ScreenDirWrong = Add(ui::Label{.name = "ScreenDirWrong",
        .left = 3000, .top = 840, .width = 135, .height = 255,
        .tabIndex = layout_.shotMarkerTabIndex, .foreColour = kDarkRed});
    ui::Control& msgError = Add(ui::Label{.name = "msgError", .caption = layout_.hint,
        .left = 0, .top = layout_.applyTop - 240, .width = 3135, .height = 255, .tabIndex = 7,
        .foreColour = kRed});
    ui::Control& cmdApply = Add(ui::Button{.name = "cmdApply", .caption = "Apply",
        .left = 2160, .top = layout_.applyTop, .width = 975, .height = 375, .tabIndex = 1},
        &OptionsForm::frmOptions_cmdApply_Click);
    ui::Control& cmdCancel = Add(ui::Button{.name = "cmdCancel", .caption = "Cancel",
        .left = 1200, .top = layout_.applyTop, .width = 975, .height = 375, .tabIndex = 5},
        &OptionsForm::frmOptions_cmdCancel_Click);
    ui::Control& cmdHelp = Add(ui::Button{.name = "cmdHelp", .caption = "?",
        .left = 0, .top = layout_.applyTop + 120, .width = 255, .height = 255, .tabIndex = 6},
        &OptionsForm::frmOptions_cmdHelp_Click);
    // clang-format on
};
