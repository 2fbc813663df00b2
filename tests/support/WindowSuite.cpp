#include "WindowSuite.h"

#include <windows.h>

#include "Game.h"
#include "Host.h"
#include "Pump.h"
#include "RegistrySandbox.h"
#include "core/settings/SettingsTable.h"
#include "ui/Form.h"

void WindowSuite::SetUp() {
    sandbox::Clear();
    InstallGame(game);
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
