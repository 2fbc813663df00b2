#include "settings/OptionsForm.h"

#include "core/exchange/RequestFiles.h"
#include "core/files/FileSystem.h"
#include "core/files/FolderNames.h"
#include "core/files/init.h"
#include "core/texts/OptionsTexts.h"
#include "ui/MessageBox.h"

OptionsForm::OptionsForm(Layout layout)
    : ui::Form({.name = "frmOptions",
                .caption = "VDR Camera Options",
                .clientWidth = layout.clientWidth,
                .clientHeight = layout.clientHeight,
                .frame = ui::Frame::FixedDialog}),
      layout_(std::move(layout)) {}

void OptionsForm::frmOptions_cmdHelp_Click() { ui::MsgBox(layout_.helpText); }

bool OptionsForm::FoldersReady() {
    const auto refuse = [this](ui::Control& marker, const std::string& text) {
        msgError.SetText(text);
        marker.SetText(kMarker);
        return false;
    };
    // Windows opens no longer paths for this program: such a folder would
    // fail at a later, longer file name. A folder named in part would be
    // found, or made, wherever the camera happened to be started; one
    // Windows would name otherwise is made under a name its files are not
    // looked for under. An empty field is a folder that is not there.
    const std::string gameFolder = VeldrunFolderU.Text();
    if (const auto fault =
            gameFolder.empty() ? std::nullopt : FaultOf(gameFolder, kLongestGameFolder)) {
        return refuse(VeldFolderWrong, FolderRefused(true, *fault, kLongestGameFolder));
    }
    if (!FileExists(gameFolder)) {
        return refuse(VeldFolderWrong, kGameFolderWrong);
    }
    const std::string shotFolder = ScreenDirU.Text();
    const size_t longest = layout_.longestShotFolder;
    if (const auto fault = shotFolder.empty() ? std::nullopt : FaultOf(shotFolder, longest)) {
        return refuse(ScreenDirWrong, FolderRefused(false, *fault, longest));
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
