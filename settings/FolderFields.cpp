#include "settings/FolderFields.h"

#include "core/files/FileSystem.h"
#include "core/files/init.h"
#include "core/texts/OptionsTexts.h"
#include "ui/MessageBox.h"

bool FolderFieldsForm::FoldersReady(ui::Control& message, std::string& gameFolder,
                                    std::string& shotFolder) {
    gameFolder = VeldrunFolderU.Text();
    if (!FileExists(gameFolder)) {
        message.SetText(kGameFolderWrong);
        VeldFolderWrong.SetText(kMarker);
        return false;
    }
    shotFolder = ScreenDirU.Text();
    if (FolderExists(shotFolder)) {
        return true;
    }
    // A file of that name is no place for photos, and is left alone.
    if (!FileExists(shotFolder)) {
        MakeFolder(shotFolder);
    }
    if (!FolderExists(shotFolder)) {
        message.SetText(kShotFolderNotMade);
        ScreenDirWrong.SetText(kMarker);
        return false;
    }
    ui::MsgBox(shotFolder + kFolderCreated);
    return true;
}
