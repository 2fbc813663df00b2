#pragma once

// What the options windows say, word for word.
inline constexpr char kPathHint[] = "No end \\ in paths";
inline constexpr char kWidthMissing[] = "Width Must be filled in";
inline constexpr char kHeightMissing[] = "Height Must be filled in";
inline constexpr char kGameFolderWrong[] = "*Veldrun Folder Is Incorrect";
inline constexpr char kShotFolderNotMade[] = "*ScreenShot Dir Could Not Be Created";
inline constexpr char kMarker[] = "*";
inline constexpr char kFolderCreated[] = " - Folder created";

inline constexpr char kHelpGameFolder[] =
    "The Veldrun Folder is where you have installed VDR, this should contain the tidemark folder";
inline constexpr char kHelpShotFolder[] =
    "The ScreenShot Folder is where you want your photos to be stored";
inline constexpr char kHelpUninstall[] =
    "Uninstall removes all enteries relating to VDR Camera from registery (Mainly remebering "
    "paths to Screenshot Dir and Veldrun Folder)";

inline constexpr char kUninstallQuestion[] =
    "Do you want to remove VDRCamera from Registery and exit?";
inline constexpr char kUninstallDone[] = "Sucessfully removed, click okay to exit";
inline constexpr char kUninstallFailed[] = "VDRCamera could not be removed from Registery";
