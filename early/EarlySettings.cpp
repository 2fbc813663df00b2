#include "early/EarlySettings.h"

#include "core/settings/SettingsTable.h"
#include "settings/Registery.h"

namespace early {

Variant GameFolder;
Variant ShotFolder;

void LoadFolders() {
    if (ShotFolder.GetType() != Variant::Type::Empty) {
        return;  // loaded in this run already: Apply never leaves it empty
    }
    GameFolder = InstalledGameFolder();
    ShotFolder = kDefaultShotFolder;
}

}  // namespace early
