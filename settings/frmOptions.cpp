#include "settings/frmOptions.h"

#include "core/files/init.h"
#include "core/texts/OptionsTexts.h"
#include "settings/LoadSettings.h"
#include "settings/Registery.h"
#include "settings/SettingsVariables.h"
#include "settings/ShotFolderStep.h"
#include "settings/StoredSettings.h"
#include "ui/MessageBox.h"
#include "ui/Process.h"

namespace {

using ui::Kind;

// Control tables stay one row per control.
// clang-format off
ui::FormDesign Design() {
    return {
        .name = "frmOptions",
        .caption = "VDR Camera Options",
        .clientWidth = 3165,
        .clientHeight = 3045,
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
                 .left = 3000, .top = 840, .width = 135, .height = 255, .tabIndex = 18,
                 .foreColour = kDarkRed},
                {.kind = Kind::CheckBox, .name = "resizeU", .caption = "Resize Screenshots?",
                 .left = 240, .top = 1200, .width = 2295, .height = 255, .tabIndex = 9},
                {.kind = Kind::Label, .name = "Label3", .caption = "Width",
                 .left = 240, .top = 1440, .width = 615, .height = 255, .tabIndex = 11},
                {.kind = Kind::Label, .name = "Label4", .caption = "Height",
                 .left = 1080, .top = 1440, .width = 855, .height = 255, .tabIndex = 13},
                {.kind = Kind::TextBox, .name = "WidthU",
                 .left = 240, .top = 1680, .width = 495, .height = 285, .tabIndex = 10},
                {.kind = Kind::Label, .name = "Label6",
                 .left = 720, .top = 1680, .width = 135, .height = 255, .tabIndex = 15,
                 .foreColour = kDarkRed},
                {.kind = Kind::TextBox, .name = "HeightU",
                 .left = 1080, .top = 1680, .width = 495, .height = 285, .tabIndex = 12},
                {.kind = Kind::Label, .name = "Label7",
                 .left = 1560, .top = 1680, .width = 135, .height = 255, .tabIndex = 16,
                 .foreColour = kRed},
                {.kind = Kind::CheckBox, .name = "AsJPEGU", .caption = "Compress to JPEG?",
                 .left = 240, .top = 2040, .width = 2535, .height = 255, .tabIndex = 14},
                {.kind = Kind::Label, .name = "msgError", .caption = kPathHint,
                 .left = 0, .top = 2400, .width = 3135, .height = 255, .tabIndex = 7,
                 .foreColour = kRed},
                {.kind = Kind::Button, .name = "cmdApply", .caption = "Apply",
                 .left = 2160, .top = 2640, .width = 975, .height = 375, .tabIndex = 1},
                {.kind = Kind::Button, .name = "cmdCancel", .caption = "Cancel",
                 .left = 1200, .top = 2640, .width = 975, .height = 375, .tabIndex = 5},
                {.kind = Kind::Button, .name = "cmdRemoveReg", .caption = "Uninstall",
                 .left = 360, .top = 2640, .width = 855, .height = 375, .tabIndex = 17},
                {.kind = Kind::Button, .name = "cmdHelp", .caption = "?",
                 .left = 0, .top = 2760, .width = 255, .height = 255, .tabIndex = 6},
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
      resizeU((*this)["resizeU"]),
      WidthU((*this)["WidthU"]),
      Label6((*this)["Label6"]),
      HeightU((*this)["HeightU"]),
      Label7((*this)["Label7"]),
      AsJPEGU((*this)["AsJPEGU"]),
      msgError((*this)["msgError"]) {
    Bind("resizeU", [this] { frmOptions_resizeU_Click(); });
    Bind("cmdApply", [this] { frmOptions_cmdApply_Click(); });
    Bind("cmdCancel", [this] { frmOptions_cmdCancel_Click(); });
    Bind("cmdHelp", [this] { frmOptions_cmdHelp_Click(); });
    Bind("cmdRemoveReg", [this] { frmOptions_cmdRemoveReg_Click(); });
}

void FrmOptions::frmOptions_Form_Load() {
    const OptionsFields fields = LoadSettings();
    VeldrunFolderU.SetText(fields.veldrunFolder);
    ScreenDirU.SetText(fields.screenDir);
    WidthU.SetText(fields.width);
    HeightU.SetText(fields.height);
    resizeU.SetValue(fields.resize);
}

void FrmOptions::frmOptions_resizeU_Click() {
    // A rescaled photo is always a JPEG; the locked box shows it.
    if (resizeU.Value() == 1) {
        AsJPEGU.SetValue(1);
        AsJPEGU.SetEnabled(false);
    } else {
        AsJPEGU.SetEnabled(true);
    }
}

void FrmOptions::frmOptions_cmdApply_Click() {
    // Every check comes first: an Apply that stops changes and stores nothing.
    const bool resize = resizeU.Value() == 1;
    if (resize && WidthU.Text().empty()) {
        Label6.SetText(kMarker);
        msgError.SetText(kWidthMissing);
        return;
    }
    if (resize && HeightU.Text().empty()) {
        Label7.SetText(kMarker);
        msgError.SetText(kHeightMissing);
        return;
    }
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

    SaveAsJpeg = AsJPEGU.Value() == 1 ? 1 : 0;
    if (resize) {
        ResizeShots = 1;
        ShotWidth = WidthU.Text();
        ShotHeight = HeightU.Text();
    } else {
        ResizeShots = 0;
    }
    GameFolder = gameFolder;
    ShotFolder = shotFolder;

    StoreSetting(Setting::ScreenDir, ShotFolder.Text());
    StoreSetting(Setting::VeldrunFolder, GameFolder.Text());
    StoreSetting(Setting::Change, SettingDefault(Setting::Change));
    StoreSetting(Setting::Resize, std::to_string(resizeU.Value()));
    StoreSetting(Setting::WidthP, WidthU.Text());
    StoreSetting(Setting::HeightP, HeightU.Text());
    Unload();
}

void FrmOptions::frmOptions_cmdCancel_Click() { Unload(); }

void FrmOptions::frmOptions_cmdHelp_Click() {
    ui::MsgBox(std::string(kHelpGameFolder) + "\r" + kHelpShotFolder + "\r" + kHelpUninstall);
}

void FrmOptions::frmOptions_cmdRemoveReg_Click() {
    if (ui::MsgBox(kUninstallQuestion, ui::Buttons::YesNo) != ui::Answer::Yes) {
        return;
    }
    if (!DeleteKeyAndCheck(HKEY_CURRENT_USER, kSettingsKey)) {
        ui::MsgBox(kUninstallFailed);
        return;
    }
    ui::MsgBox(kUninstallDone);
    ui::UnloadAllForms();
}
