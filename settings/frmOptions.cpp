#include "settings/frmOptions.h"

#include "core/files/init.h"
#include "core/photo/JpegExport.h"
#include "core/photo/PhotoFiles.h"
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
                       18, LongestShotFolder(kCurrentPhotos)) {}

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

bool FrmOptions::RescaleSizeReady() {
    const auto refuse = [this](std::initializer_list<ui::Control*> markers, const char* text) {
        for (ui::Control* marker : markers) {
            marker->SetText(kMarker);
        }
        msgError.SetText(text);
        return false;
    };
    const std::string width = WidthU.Text();
    const std::string height = HeightU.Text();
    if (width.empty()) {
        return refuse({&Label6}, kWidthMissing);
    }
    if (height.empty()) {
        return refuse({&Label7}, kHeightMissing);
    }
    const std::optional<int32_t> wide = WholeNumberFromOne(width);
    if (!wide) {
        return refuse({&Label6}, kWidthNotWhole);
    }
    const std::optional<int32_t> high = WholeNumberFromOne(height);
    if (!high) {
        return refuse({&Label7}, kHeightNotWhole);
    }
    if (!IsPossibleSize({*wide, *high})) {
        return refuse({&Label6, &Label7}, kSizeTooLarge);
    }
    return true;
}

void FrmOptions::frmOptions_cmdApply_Click() {
    // Every check comes first: an Apply that stops changes and stores nothing.
    const bool resize = resizeU.Value() == 1;
    if (resize && !RescaleSizeReady()) {
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
