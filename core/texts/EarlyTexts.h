#pragma once

#include <string>

// A single-precision number as its shortest decimal text: whole numbers
// print as digits only.
std::string FormatSingle(float value);

// The size message shown at every capture: "<width> by <height>", in twips.
std::string SizeMessage(float widthTwips, float heightTwips);

inline constexpr char kEarlyHelpText[] =
    "The Veldrun Folder is where you have installed VDR, this should contain the tidemark "
    "folder\r"
    "The ScreenShot Folder is where you want your photos to be stored";

inline constexpr char kNoFreeNumber[] =
    "No photo number is free: photos 0 to 32767 are all in the ScreenShot Dir";

inline std::string PhotoNotSaved(const std::string& path) {
    return "The photo could not be saved as " + path;
}
