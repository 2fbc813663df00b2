#include "WindowSuite.h"

#include <windows.h>

#include "Pump.h"
#include "RegistrySandbox.h"
#include "core/settings/SettingsTable.h"
#include "ui/Process.h"

void WindowSuite::SetUp() {
    sandbox::Clear();
    CreateDirectoryA((game / "tidemark").c_str(), nullptr);
    CreateDirectoryA(Mdb().c_str(), nullptr);
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, game.Path());
}

void WindowSuite::TearDown() {
    ui::UnloadAllForms();
    DiscardQuit();
}
