#include "current/frmOptions.h"

#include "core/photo/JpegExport.h"
#include "core/photo/PhotoFiles.h"
#include "core/texts/OptionsTexts.h"
#include "current/StoredSettings.h"
#include "settings/Registery.h"
#include "ui/MessageBox.h"

FrmOptions::FrmOptions()
    : OptionsForm({.clientWidth = 3165,
                   .clientHeight = 3045,
                   .shotMarkerTabIndex = 18,
                   .longestShotFolder = LongestShotFolder(kCurrentPhotos),
                   .applyTop = 2640,
                   .hint = kPathHint,
                   .helpText = std::string(kHelpGameFolder) + "\r" + kHelpShotFolder + "\r" +
                               kHelpUninstall}) {}

void FrmOptions::frmOptions_Form_Load() {
    LoadSettings();
    ShowStored(kStoredSettings, *this);
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
    if (!FoldersReady()) {
        return;
    }
    ApplyStored(kStoredSettings, *this);
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
