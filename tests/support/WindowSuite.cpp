#include "WindowSuite.h"

#include <windows.h>

#include "Host.h"
#include "Pump.h"
#include "RegistrySandbox.h"
#include "core/settings/SettingsTable.h"
#include "ui/Process.h"

void WindowSuite::SetUp() {
    sandbox::Clear();
    CreateDirectoryA((game / "tidemark").c_str(), nullptr);
    CreateDirectoryA(Mdb().c_str(), nullptr);
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, game.Path());
    if (!RunningUnderWine()) {
        // On someone's Windows, Print Screen would fill their clipboard: as
        // with the snipping tool on the key, the photos are copied directly.
        registry::SetDword(HKEY_CURRENT_USER, "Control Panel\\Keyboard",
                           "PrintScreenKeyForSnippingEnabled", 1);
    }
}

void WindowSuite::TearDown() {
    ui::UnloadAllForms();
    DiscardQuit();
}
