#include "current/frmOptions.h"

#include "core/photo/JpegExport.h"
#include "core/photo/PhotoFiles.h"
#include "core/settings/SettingsTable.h"
#include "core/texts/OptionsTexts.h"
#include "settings/Registery.h"
#include "settings/Settings.h"
#include "ui/MessageBox.h"

FrmOptions::FrmOptions() : OptionsForm(Edition::Current) {}

void FrmOptions::frmOptions_Form_Load() {
    LoadSettings();
    // A flag's box is checked exactly when its setting is numerically 1
    // (" 1", "01"); any other leaves it unchecked.
    for (const StoredSetting& setting : kStoredSettings) {
        if (!setting.field) {
            continue;
        }
        ui::Control& field = (*this)[setting.field];
        if (setting.kind == SettingKind::Flag) {
            field.SetValue(setting.variable->Equals(1) ? 1 : 0);
        } else {
            field.SetText(setting.variable->Text());
        }
    }
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
    if (!FoldersReady(gameFolder, shotFolder)) {
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

    // Each as its field shows it, the size too when photos are not rescaled.
    for (const StoredSetting& setting : kStoredSettings) {
        const ui::Control* field = setting.field ? &(*this)[setting.field] : nullptr;
        const std::string text = !field ? setting.defaultText
                                 : setting.kind == SettingKind::Flag
                                     ? std::to_string(field->Value())
                                     : field->Text();
        SaveSettingValue(HKEY_CURRENT_USER, kSettingsKey, setting.name, text);
    }
    Unload();
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
