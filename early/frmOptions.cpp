#include "early/frmOptions.h"

#include "core/files/init.h"
#include "core/photo/PhotoFiles.h"
#include "core/texts/EarlyTexts.h"
#include "core/texts/OptionsTexts.h"
#include "early/EarlySettings.h"
#include "ui/MessageBox.h"

namespace early {

FrmOptions::FrmOptions()
    : FolderFieldsForm({.name = "frmOptions",
                        .caption = "VDR Camera Options",
                        .clientWidth = 3150,
                        .clientHeight = 1875,
                        .frame = ui::Frame::FixedDialog},
                       9, LongestShotFolder(kEarlyPhotos)) {}

void FrmOptions::frmOptions_Form_Load() {
    LoadFolders();
    VeldrunFolderU.SetText(GameFolder.Text());
    ScreenDirU.SetText(ShotFolder.Text());
}

void FrmOptions::frmOptions_cmdApply_Click() {
    // Nothing is applied until every check has passed.
    std::string gameFolder;
    std::string shotFolder;
    if (!FoldersReady(msgError, gameFolder, shotFolder)) {
        return;
    }
    GameFolder = gameFolder;
    ShotFolder = shotFolder;
    Unload();
}

void FrmOptions::frmOptions_cmdCancel_Click() { Unload(); }

void FrmOptions::frmOptions_cmdHelp_Click() { ui::MsgBox(kEarlyHelpText); }

}  // namespace early
