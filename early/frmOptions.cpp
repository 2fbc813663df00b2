#include "early/frmOptions.h"

#include "core/files/init.h"
#include "core/texts/EarlyTexts.h"
#include "core/texts/OptionsTexts.h"
#include "early/EarlySettings.h"
#include "settings/ShotFolderStep.h"
#include "ui/MessageBox.h"

namespace early {

namespace {

using ui::Kind;

// Control tables stay one row per control.
// clang-format off
ui::FormDesign Design() {
    return {
        .name = "frmOptions",
        .caption = "VDR Camera Options",
        .clientWidth = 3150,
        .clientHeight = 1875,
        .frame = ui::Frame::FixedDialog,
        .controls =
            {
                {.kind = Kind::Label, .name = "Label1", .caption = "Veldrun Folder",
                 .left = 120, .top = 0, .width = 1935, .height = 255, .tabIndex = 2},
                {.kind = Kind::TextBox, .name = "VeldrunFolderU",
                 .left = 240, .top = 240, .width = 2775, .height = 285, .tabIndex = 0},
                {.kind = Kind::Label, .name = "VeldFolderWrong",
                 .left = 3000, .top = 240, .width = 135, .height = 255, .tabIndex = 8,
                 .foreColour = kDarkRed},
                {.kind = Kind::Label, .name = "Label2", .caption = "ScreenShot Dir",
                 .left = 120, .top = 600, .width = 1815, .height = 255, .tabIndex = 4},
                {.kind = Kind::TextBox, .name = "ScreenDirU",
                 .left = 240, .top = 840, .width = 2775, .height = 285, .tabIndex = 3},
                {.kind = Kind::Label, .name = "ScreenDirWrong",
                 .left = 3000, .top = 840, .width = 135, .height = 255, .tabIndex = 9,
                 .foreColour = kDarkRed},
                {.kind = Kind::Label, .name = "msgError",
                 .left = 0, .top = 1200, .width = 3135, .height = 255, .tabIndex = 7,
                 .foreColour = kRed},
                {.kind = Kind::Button, .name = "cmdApply", .caption = "Apply",
                 .left = 2160, .top = 1440, .width = 975, .height = 375, .tabIndex = 1},
                {.kind = Kind::Button, .name = "cmdCancel", .caption = "Cancel",
                 .left = 1200, .top = 1440, .width = 975, .height = 375, .tabIndex = 5},
                {.kind = Kind::Button, .name = "cmdHelp", .caption = "?",
                 .left = 0, .top = 1560, .width = 255, .height = 255, .tabIndex = 6},
            },
    };
}
// clang-format on

}  // namespace

FrmOptions::FrmOptions()
    : ui::Form(Design()),
      VeldrunFolderU((*this)["VeldrunFolderU"]),
      VeldFolderWrong((*this)["VeldFolderWrong"]),
      ScreenDirU((*this)["ScreenDirU"]),
      ScreenDirWrong((*this)["ScreenDirWrong"]),
      msgError((*this)["msgError"]) {
    Bind("cmdApply", [this] { frmOptions_cmdApply_Click(); });
    Bind("cmdCancel", [this] { frmOptions_cmdCancel_Click(); });
    Bind("cmdHelp", [this] { frmOptions_cmdHelp_Click(); });
}

void FrmOptions::frmOptions_Form_Load() {
    LoadFolders();
    VeldrunFolderU.SetText(GameFolder);
    ScreenDirU.SetText(ShotFolder);
}

void FrmOptions::frmOptions_cmdApply_Click() {
    // Nothing is applied until every check has passed.
    const std::string gameFolder = VeldrunFolderU.Text();
    if (!FileExists(gameFolder)) {
        msgError.SetText(kGameFolderWrong);
        VeldFolderWrong.SetText(kMarker);
        return;
    }
    const std::string shotFolder = ScreenDirU.Text();
    if (!ShotFolderReady(shotFolder, msgError, ScreenDirWrong)) {
        return;
    }
    GameFolder = gameFolder;
    ShotFolder = shotFolder;
    Unload();
}

void FrmOptions::frmOptions_cmdCancel_Click() { Unload(); }

void FrmOptions::frmOptions_cmdHelp_Click() { ui::MsgBox(kEarlyHelpText); }

}  // namespace early
