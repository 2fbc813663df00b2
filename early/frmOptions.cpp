#include "early/frmOptions.h"

#include "core/photo/PhotoFiles.h"
#include "core/texts/EarlyTexts.h"
#include "early/EarlySettings.h"

namespace early {

FrmOptions::FrmOptions()
    : OptionsForm({.clientWidth = 3150,
                   .clientHeight = 1875,
                   .shotMarkerTabIndex = 9,
                   .longestShotFolder = LongestShotFolder(kEarlyPhotos),
                   .applyTop = 1440,
                   .helpText = kEarlyHelpText}) {}

void FrmOptions::frmOptions_Form_Load() {
    LoadFolders();
    VeldrunFolderU.SetText(GameFolder.Text());
    ScreenDirU.SetText(ShotFolder.Text());
}

void FrmOptions::frmOptions_cmdApply_Click() {
    // Nothing is applied until every check has passed.
    if (!FoldersReady()) {
        return;
    }
    GameFolder = VeldrunFolderU.Text();
    ShotFolder = ScreenDirU.Text();
    Unload();
}

}  // namespace early
