#include "early/frmOptions.h"

#include "early/EarlySettings.h"

namespace early {

FrmOptions::FrmOptions() : OptionsForm(Edition::First) {}

void FrmOptions::frmOptions_Form_Load() {
    LoadFolders();
    VeldrunFolderU.SetText(GameFolder.Text());
    ScreenDirU.SetText(ShotFolder.Text());
}

void FrmOptions::frmOptions_cmdApply_Click() {
    // Nothing is applied until every check has passed.
    std::string gameFolder;
    std::string shotFolder;
    if (!FoldersReady(gameFolder, shotFolder)) {
        return;
    }
    GameFolder = gameFolder;
    ShotFolder = shotFolder;
    Unload();
}

}  // namespace early
