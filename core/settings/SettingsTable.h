#pragma once

// Where the camera's settings are kept in the registry.

// HKEY_CURRENT_USER: the camera's own settings, all REG_SZ text.
inline constexpr char kSettingsKey[] = "Software\\VDRCamera";

// HKEY_LOCAL_MACHINE: the game's installation key, read only.
inline constexpr char kGameKey[] = "Software\\Brakemont\\Operation Veldrun";
inline constexpr char kGameFolderValue[] = "MAIN";

// Where photos go until a folder is chosen.
inline constexpr char kDefaultShotFolder[] = "C:\\ScreenShots";
