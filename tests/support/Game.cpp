#include "Game.h"

#include <windows.h>

#include "RegistryValues.h"
#include "core/settings/SettingsTable.h"

void InstallGame(const TestFolder& game) {
    CreateDirectoryA((game / "tidemark").c_str(), nullptr);
    CreateDirectoryA((game / "tidemark\\mdb").c_str(), nullptr);
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, game.Path());
}
