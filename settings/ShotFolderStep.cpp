#include "settings/ShotFolderStep.h"

#include "core/files/FileSystem.h"
#include "core/files/init.h"
#include "core/texts/OptionsTexts.h"
#include "ui/MessageBox.h"

bool ShotFolderReady(const std::string& folder, ui::Control& message, ui::Control& marker) {
    if (FolderExists(folder)) {
        return true;
    }
    // A file of that name is no place for photos, and is left alone.
    if (!FileExists(folder)) {
        MakeFolder(folder);
    }
    if (!FolderExists(folder)) {
        message.SetText(kShotFolderNotMade);
        marker.SetText(kMarker);
        return false;
    }
    ui::MsgBox(folder + kFolderCreated);
    return true;
}
