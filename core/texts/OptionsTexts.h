#pragma once

#include <cstddef>
#include <string>

#include "core/files/FolderNames.h"

// What the options windows say, word for word.
inline constexpr char kPathHint[] = "No end \\ in paths";
inline constexpr char kWidthMissing[] = "Width Must be filled in";
inline constexpr char kHeightMissing[] = "Height Must be filled in";
inline constexpr char kWidthNotWhole[] = "Width Must be a whole number";
inline constexpr char kHeightNotWhole[] = "Height Must be a whole number";
inline constexpr char kSizeTooLarge[] = "Size Must be at most 7680 x 4320";
inline constexpr char kGameFolderWrong[] = "*Veldrun Folder Is Incorrect";
inline constexpr char kShotFolderNotMade[] = "*ScreenShot Dir Could Not Be Created";
inline constexpr char kShotFolderNotWritable[] = "*ScreenShot Dir Cannot Be Written";
inline constexpr char kGameFolderNotFull[] = "*Veldrun Folder Must Be A Full Path";
inline constexpr char kShotFolderNotFull[] = "*ScreenShot Dir Must Be A Full Path";
inline constexpr char kGameFolderDotOrSpace[] = "*Veldrun Folder: Name Ends In . Or Space";
inline constexpr char kShotFolderDotOrSpace[] = "*ScreenShot Dir: Name Ends In . Or Space";
inline constexpr char kMarker[] = "*";
inline constexpr char kFolderCreated[] = " - Folder created";

// A folder too long to leave room for the files below it, and how long it may be.
inline std::string GameFolderTooLong(size_t longest) {
    return "*Veldrun Folder: At Most " + std::to_string(longest) + " Characters";
}
inline std::string ShotFolderTooLong(size_t longest) {
    return "*ScreenShot Dir: At Most " + std::to_string(longest) + " Characters";
}

// Why Apply refuses a folder, of the game folder's field or the screenshot folder's.
inline std::string FolderRefused(bool gameFolder, FolderFault fault, size_t longest) {
    switch (fault) {
        case FolderFault::TooLong:
            return gameFolder ? GameFolderTooLong(longest) : ShotFolderTooLong(longest);
        case FolderFault::NotFull:
            return gameFolder ? kGameFolderNotFull : kShotFolderNotFull;
        case FolderFault::DotOrSpace:
            break;
    }
    return gameFolder ? kGameFolderDotOrSpace : kShotFolderDotOrSpace;
}

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
