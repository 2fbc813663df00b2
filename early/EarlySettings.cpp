#include "early/EarlySettings.h"

#include "core/settings/SettingsTable.h"
#include "settings/Registery.h"

namespace early {

Variant GameFolder;
Variant ShotFolder;

void LoadFolders() {
    GameFolder = InstalledGameFolder();
    ShotFolder = SettingDefault(Setting::ScreenDir);
}

}  // namespace early
