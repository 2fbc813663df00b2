#include "settings/frmOptions.h"

#include "core/files/init.h"
#include "core/texts/OptionsTexts.h"
#include "settings/LoadSettings.h"
#include "settings/Registery.h"
#include "settings/SettingsVariables.h"
#include "settings/StoredSettings.h"
#include "ui/Form.h"
#include "ui/MessageBox.h"

FrmOptions::FrmOptions()
    : FolderFieldsForm({.name = "frmOptions",
                        .caption = "VDR Camera Options",
                        .clientWidth = 3165,
                        .clientHeight = 3045,
                        .frame = ui::Frame::FixedDialog},
                       18) {}

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
    std::string gameFolder;
    std::string shotFolder;
    if (!FoldersReady(msgError, gameFolder, shotFolder)) {
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
