#pragma once

#include <string>
#include <string_view>

#include "core/photo/NotStored.h"

// The capture window's caption. While photos are not being stored it says
// why, where a player looks without anything taking the game's place in
// front: the title bar and the taskbar button.
inline constexpr char kMainCaption[] = "VDR Camera";
inline constexpr char kNotStoredPrefix[] = "VDR Camera - photos not stored: ";

inline std::string NotStoredCaption(NotStored reason) {
    switch (reason) {
        case NotStored::NoPicture:
            return kNotStoredPrefix + std::string("the screen could not be copied");
        case NotStored::NoFolder:
            return kNotStoredPrefix + std::string("ScreenShot Dir is missing");
        case NotStored::NotAFolder:
            return kNotStoredPrefix + std::string("ScreenShot Dir is a file");
        case NotStored::DiskFull:
            return kNotStoredPrefix + std::string("ScreenShot Dir's drive is full");
        case NotStored::NotWritten:
            break;
    }
    return kNotStoredPrefix + std::string("ScreenShot Dir cannot be written");
}

// Whether a window caption is the capture window's, in either state.
inline bool IsMainCaption(std::string_view caption) {
    return caption == kMainCaption || caption.starts_with(kNotStoredPrefix);
}

// A start that cannot make sure it would be the only camera.
inline constexpr char kCannotTellOtherCamera[] =
    "VDR Camera cannot make sure that no other VDR Camera is running, so it does not start. "
    "Close any other VDR Camera, or restart Windows, and try again.";
