#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/FileSystem.h"
#include "core/photo/DibImage.h"

// How an edition names its photos in the screenshot folder, and up to which
// number. A number is taken while any file of that number is there.
struct PhotoNaming {
    std::string (*bitmap)(const std::string& folder, int32_t number);
    // Another file of a photo that holds its number too, when there is one.
    std::string (*companion)(const std::string& folder, int32_t number);
    int32_t lastNumber;
    // Where the bitmap is written before it is moved into place: a name no
    // other program makes, no longer than the bitmap's, so that a folder
    // that fits the photos fits it.
    std::string (*scratch)(const std::string& folder, int32_t number);
    // Whether a file's name is one of the edition's scratch names.
    bool (*isScratch)(std::string_view name);
};

inline std::string BitmapPath(const std::string& folder, int32_t number) {
    return folder + "\\_bmp_" + std::to_string(number) + ".bmp";
}

inline std::string BitmapScratchPath(const std::string& folder, int32_t number) {
    return folder + "\\_bmp_" + std::to_string(number) + ".tmp";
}

inline std::string JpegPath(const std::string& folder, int32_t number) {
    return folder + "\\" + std::to_string(number) + ".jpg";
}

// Where a photo's JPEG is written before it is moved into place: a name of
// its own, which no bitmap being stored meanwhile shares, and no longer
// than the bitmap file's.
inline std::string JpegScratchPath(const std::string& folder, int32_t number) {
    return folder + "\\_jpg_" + std::to_string(number) + ".tmp";
}

inline std::string EarlyPhotoPath(const std::string& folder, int32_t number) {
    return folder + "\\" + std::to_string(number) + ".bmp";
}

inline std::string EarlyScratchPath(const std::string& folder, int32_t number) {
    return folder + "\\" + std::to_string(number) + ".bm~";
}

// Whether the name is the prefix, a number and the suffix.
bool IsNumberedName(std::string_view name, std::string_view prefix, std::string_view suffix);

// The current edition: "_bmp_N.bmp", and "N.jpg" beside it. Either holds N,
// so a player who keeps only the JPEGs never has one replaced. Written as
// "_bmp_N.tmp" and "_jpg_N.tmp" first.
inline constexpr PhotoNaming kCurrentPhotos{
    BitmapPath, JpegPath, INT32_MAX, BitmapScratchPath, [](std::string_view name) {
        return IsNumberedName(name, "_bmp_", ".tmp") || IsNumberedName(name, "_jpg_", ".tmp");
    }};

// The first edition: "N.bmp" only, up to the last number its 16-bit
// counter holds; written as "N.bm~" first ("N.tmp" is any program's).
inline constexpr PhotoNaming kEarlyPhotos{
    EarlyPhotoPath, nullptr, 32767, EarlyScratchPath,
    [](std::string_view name) { return IsNumberedName(name, "", ".bm~"); }};

// Removes what a run that ended while saving left behind in the folder:
// files of the edition's scratch names. One still open for writing stays.
void RemoveLeftScratchFiles(const PhotoNaming& naming, const std::string& folder);

// The longest screenshot folder that leaves room below it for the longest
// name of a photo's files, the scratch names as long as the bitmap's.
size_t LongestShotFolder(const PhotoNaming& naming);

// The first number from `from` on that no photo in the folder holds; none
// when every number up to the last is taken.
std::optional<int32_t> FirstFreeNumber(const PhotoNaming& naming, const std::string& folder,
                                       int32_t from);

// How storing a picture under a number went: Done, under that number;
// NameTaken, no number was left; Failed, it could not be written as that
// number.
struct NumberedPhoto {
    Placed placed = Placed::Failed;
    int32_t number = 0;
};

// Stores the picture as a new bitmap file under the first number from
// `from` on that is free at the moment of saving, written first under its
// scratch name. A photo that appears
// under a number meanwhile is never replaced: this one takes the next.
NumberedPhoto StoreUnderFreeNumber(const DibImage& picture, const PhotoNaming& naming,
                                   const std::string& folder, int32_t from);
