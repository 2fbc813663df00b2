#include "settings/ShotFolderStep.h"

#include "core/files/FileSystem.h"
#include "core/files/init.h"
#include "core/texts/OptionsTexts.h"
#include "ui/MessageBox.h"

bool ShotFolderReady(const std::string& folder, ui::Control& message, ui::Control& marker) {
    if (FileExists(folder)) {
        return true;
    }
    MakeFolder(folder);
    if (!FileExists(folder)) {
        message.SetText(kShotFolderNotMade);
        marker.SetText(kMarker);
        return false;
    }
    ui::MsgBox(folder + kFolderCreated);
    return true;
}
