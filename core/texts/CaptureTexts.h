#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/exchange/RequestVerdict.h"
#include "core/files/FolderNames.h"
#include "core/photo/JpegExport.h"
#include "core/photo/NotStored.h"

// The capture window's caption. While something keeps photos from reaching
// the game it says what, where a player looks without anything taking the
// game's place in front: the title bar and the taskbar button.
inline constexpr char kMainCaption[] = "VDR Camera";
inline constexpr char kSignPrefix[] = "VDR Camera - ";

// What the caption tells besides the camera's name.
struct CameraSigns {
    std::optional<NotStored> notStored;     // the latest photo was not stored
    bool screenUnseen = false;              // photos come out black, whatever is shown
    std::optional<FolderFault> gameFolder;  // so no request can be seen
    std::optional<LeftAlone> leftAlone;     // under the request's name, not deleted
    std::optional<std::string> untold;      // the photo whose reply was given up
    // "N.jpg not made: why", told by the edition that makes JPEGs: the
    // first edition has no word of FreeImage in it.
    std::optional<std::string> jpegNotMade;
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
        case NotStored::NotFullPath:
            return "ScreenShot Dir is not a full path";
        case NotStored::NameEndsInDotOrSpace:
            return "ScreenShot Dir has a name ending in . or space";
        case NotStored::DiskFull:
            return "ScreenShot Dir's drive is full";
        case NotStored::NotWritten:
            break;
    }
    return "ScreenShot Dir cannot be written";
}

inline std::string JpegNotMadeReason(JpegOutcome outcome) {
    switch (outcome) {
        case JpegOutcome::NoLibrary:
            return "FreeImage.dll is missing";
        case JpegOutcome::UnusableLibrary:
            return "FreeImage.dll cannot be used";
        case JpegOutcome::ImpossibleSize:
            return "the rescale size cannot be made";
        case JpegOutcome::NoBitmap:
            return "its bitmap file could not be read";
        case JpegOutcome::DiskFull:
            return "ScreenShot Dir's drive is full";
        case JpegOutcome::Made:
        case JpegOutcome::NotWritten:
            break;
    }
    return "it could not be written";
}

inline std::string JpegNotMadeSign(const JpegNotMade& notMade) {
    return std::to_string(notMade.number) + ".jpg not made: " + JpegNotMadeReason(notMade.outcome);
}

// The caption for the signs, the gravest first: photos lost, then photos
// that show nothing, then requests unseen, then what stands under the
// request's name left alone, then a reply the game did not get, then a
// JPEG not made.
inline std::string CaptionFor(const CameraSigns& signs) {
    if (signs.notStored) {
        return kSignPrefix + std::string("photos not stored: ") + NotStoredReason(*signs.notStored);
    }
    if (signs.screenUnseen) {
        return kSignPrefix +
               std::string("photos are black: Wine's Wayland driver hides the screen");
    }
    if (signs.gameFolder) {
        const char* why = *signs.gameFolder == FolderFault::TooLong ? "is too long"
                          : *signs.gameFolder == FolderFault::NotFull
                              ? "is not a full path"
                              : "has a name ending in . or space";
        return kSignPrefix + std::string("requests not seen: Veldrun Folder ") + why;
    }
    if (signs.leftAlone) {
        return kSignPrefix + std::string(*signs.leftAlone == LeftAlone::Folder
                                             ? "takePhoto.db is a folder, not a request"
                                         : *signs.leftAlone == LeftAlone::Link
                                             ? "takePhoto.db is a link, left where it is"
                                             : "takePhoto.db is read-only, left where it is");
    }
    if (signs.untold) {
        return kSignPrefix + std::string("the game was not told of photo ") + *signs.untold +
               ": currentPhoto.db could not be written";
    }
    if (signs.jpegNotMade) {
        return kSignPrefix + *signs.jpegNotMade;
    }
    return kMainCaption;
}

// While the JPEGs asked for are still being made after the window closed,
// or the session ends.
inline std::string JpegCount(size_t count) {
    return std::to_string(count) + (count == 1 ? " JPEG" : " JPEGs");
}
inline std::string FinishingJpegs(size_t count) { return "Finishing " + JpegCount(count); }
inline std::string FinishingCaption(size_t count) {
    return std::string(kSignPrefix) + "finishing " + JpegCount(count);
}

// Whether a window caption is the capture window's, with or without a sign.
inline bool IsMainCaption(std::string_view caption) {
    return caption == kMainCaption || caption.starts_with(kSignPrefix);
}

// A start that cannot make sure it would be the only camera.
inline constexpr char kCannotTellOtherCamera[] =
    "VDR Camera cannot make sure that no other VDR Camera is running, so it does not start. "
    "Close any other VDR Camera, or restart Windows, and try again.";
