#include "settings/FolderFields.h"

#include "core/exchange/RequestFiles.h"
#include "core/files/FileSystem.h"
#include "core/files/FolderNames.h"
#include "core/files/init.h"
#include "core/texts/OptionsTexts.h"
#include "ui/MessageBox.h"

bool FolderFieldsForm::FoldersReady(ui::Control& message, std::string& gameFolder,
                                    std::string& shotFolder) {
    const auto refuse = [&message](ui::Control& marker, const std::string& text) {
        message.SetText(text);
        marker.SetText(kMarker);
        return false;
    };
    // Windows opens no longer paths for this program: such a folder would
    // fail at a later, longer file name.
    // A folder named in part would be found, or made, wherever the camera
    // happened to be started; one Windows would name otherwise is made
    // under a name its files are not looked for under.
    gameFolder = VeldrunFolderU.Text();
    if (gameFolder.size() > kLongestGameFolder) {
        return refuse(VeldFolderWrong, GameFolderTooLong(kLongestGameFolder));
    }
    if (!gameFolder.empty() && !IsFullPath(gameFolder)) {
        return refuse(VeldFolderWrong, kGameFolderNotFull);
    }
    if (EndsANameInDotOrSpace(gameFolder)) {
        return refuse(VeldFolderWrong, kGameFolderDotOrSpace);
    }
    if (!FileExists(gameFolder)) {
        return refuse(VeldFolderWrong, kGameFolderWrong);
    }
    shotFolder = ScreenDirU.Text();
    if (shotFolder.size() > longestShotFolder_) {
        return refuse(ScreenDirWrong, ShotFolderTooLong(longestShotFolder_));
    }
    if (!shotFolder.empty() && !IsFullPath(shotFolder)) {
        return refuse(ScreenDirWrong, kShotFolderNotFull);
    }
    if (EndsANameInDotOrSpace(shotFolder)) {
        return refuse(ScreenDirWrong, kShotFolderDotOrSpace);
    }
    const bool missing = !FolderExists(shotFolder);
    // A file of that name is no place for photos, and is left alone.
    if (missing && !FileExists(shotFolder)) {
        MakeFolder(shotFolder);
    }
    if (!FolderExists(shotFolder)) {
        return refuse(ScreenDirWrong, kShotFolderNotMade);
    }
    if (!CanMakeFilesIn(shotFolder)) {
        // A refused folder is not left behind.
        if (missing) {
            RemoveFolder(shotFolder);
        }
        return refuse(ScreenDirWrong, kShotFolderNotWritable);
    }
    if (missing) {
        ui::MsgBox(shotFolder + kFolderCreated);
    }
    return true;
}
