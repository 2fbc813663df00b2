#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/photo/NotStored.h"

// The capture window's caption. While something keeps photos from reaching
// the game it says what, where a player looks without anything taking the
// game's place in front: the title bar and the taskbar button.
inline constexpr char kMainCaption[] = "VDR Camera";
inline constexpr char kSignPrefix[] = "VDR Camera - ";

// What the caption tells besides the camera's name.
struct CameraSigns {
    std::optional<NotStored> notStored;  // the latest photo was not stored
    bool gameFolderTooLong = false;      // so no request can be seen
    std::optional<std::string> untold;   // the photo whose reply was given up
};

inline std::string NotStoredReason(NotStored reason) {
    switch (reason) {
        case NotStored::NoPicture:
            return "the screen could not be copied";
        case NotStored::NoFolder:
            return "ScreenShot Dir is missing";
        case NotStored::NotAFolder:
            return "ScreenShot Dir is a file";
        case NotStored::TooLong:
            return "ScreenShot Dir is too long";
        case NotStored::DiskFull:
            return "ScreenShot Dir's drive is full";
        case NotStored::NotWritten:
            break;
    }
    return "ScreenShot Dir cannot be written";
}

// The caption for the signs, the gravest first: photos lost, then requests
// unseen, then a reply the game did not get.
inline std::string CaptionFor(const CameraSigns& signs) {
    if (signs.notStored) {
        return kSignPrefix + std::string("photos not stored: ") + NotStoredReason(*signs.notStored);
    }
    if (signs.gameFolderTooLong) {
        return kSignPrefix + std::string("requests not seen: Veldrun Folder is too long");
    }
    if (signs.untold) {
        return kSignPrefix + std::string("the game was not told of photo ") + *signs.untold +
               ": currentPhoto.db could not be written";
    }
    return kMainCaption;
}

// Whether a window caption is the capture window's, with or without a sign.
inline bool IsMainCaption(std::string_view caption) {
    return caption == kMainCaption || caption.starts_with(kSignPrefix);
}

// A start that cannot make sure it would be the only camera.
inline constexpr char kCannotTellOtherCamera[] =
    "VDR Camera cannot make sure that no other VDR Camera is running, so it does not start. "
    "Close any other VDR Camera, or restart Windows, and try again.";
