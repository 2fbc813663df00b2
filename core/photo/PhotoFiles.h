#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/FileSystem.h"
#include "core/photo/DibImage.h"

// A file of a photo, by its name: the number it holds, and whether it is
// the bitmap or the file beside it.
struct PhotoFile {
    int32_t number = 0;
    bool companion = false;
};

// How an edition names its photos in the screenshot folder, and up to which
// number. A number is taken while any file of that number is there.
struct PhotoNaming {
    std::string (*bitmap)(const std::string& folder, int32_t number);
    // Another file of a photo that holds its number too, when there is one.
    std::string (*companion)(const std::string& folder, int32_t number);
    int32_t lastNumber;
    // Which photo's file a name is, in any letters, as Windows finds it.
    std::optional<PhotoFile> (*fileNamed)(std::string_view name);
    // Where the bitmap is written before it is moved into place: a name no
    // other program makes, no longer than the bitmap's, so that a folder
    // that fits the photos fits it; none where it is written in place.
    std::string (*scratch)(const std::string& folder, int32_t number);
    // Whether a file's name is one of the edition's scratch names.
    bool (*isScratch)(std::string_view name);
};

inline std::string BitmapPath(const std::string& folder, int32_t number) {
    return folder + "\\_bmp_" + std::to_string(number) + ".bmp";
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

// The number in a name made of the prefix, the number as the programs
// write it (no sign, no leading zero) and the suffix, in any letters.
std::optional<int32_t> NumberNamed(std::string_view name, std::string_view prefix,
                                   std::string_view suffix);

// The current edition: "_bmp_N.bmp", and "N.jpg" beside it. Either holds N,
// so a player who keeps only the JPEGs never has one replaced. The bitmap
// is written in place (one new name to look up, where a scratch name and
// the move would be three), the JPEG as "_jpg_N.tmp" first; "_bmp_N.tmp"
// is an earlier version's scratch name.
inline constexpr PhotoNaming kCurrentPhotos{
    BitmapPath,
    JpegPath,
    INT32_MAX,
    [](std::string_view name) -> std::optional<PhotoFile> {
        if (const auto number = NumberNamed(name, "_bmp_", ".bmp")) {
            return PhotoFile{*number, false};
        }
        if (const auto number = NumberNamed(name, "", ".jpg")) {
            return PhotoFile{*number, true};
        }
        return std::nullopt;
    },
    nullptr,
    [](std::string_view name) {
        return IsNumberedName(name, "_bmp_", ".tmp") || IsNumberedName(name, "_jpg_", ".tmp");
    }};

// The first edition: "N.bmp" only, up to the last number its 16-bit
// counter holds; written as "N.bm~" first ("N.tmp" is any program's).
inline constexpr PhotoNaming kEarlyPhotos{
    EarlyPhotoPath,
    nullptr,
    32767,
    [](std::string_view name) -> std::optional<PhotoFile> {
        if (const auto number = NumberNamed(name, "", ".bmp"); number && *number <= 32767) {
            return PhotoFile{*number, false};
        }
        return std::nullopt;
    },
    EarlyScratchPath,
    [](std::string_view name) { return IsNumberedName(name, "", ".bm~"); }};

// Removes what a run that ended while saving left behind in the folder:
// files of the edition's scratch names, among the names listed there. One
// still open for writing stays.
void RemoveLeftScratchFiles(const PhotoNaming& naming, const std::string& folder,
                            const std::vector<std::string>& names);

// The longest screenshot folder that leaves room below it for the longest
// name of a photo's files, the scratch names as long as the bitmap's.
size_t LongestShotFolder(const PhotoNaming& naming);

// The first number from `from` on that no photo in the folder holds; none
// when every number up to the last is taken.
std::optional<int32_t> FirstFreeNumber(const PhotoNaming& naming, const std::string& folder,
                                       int32_t from);

// The first number from `from` on, up to the last, that `taken` does not
// hold; none when every one is.
std::optional<int32_t> FirstNumberNotTaken(const PhotoNaming& naming, int32_t from,
                                           const std::function<bool(int32_t)>& taken);

// How storing a picture under a number went: Done, under that number;
// NameTaken, no number was left; Failed, it could not be written as that
// number.
struct NumberedPhoto {
    Placed placed = Placed::Failed;
    int32_t number = 0;
};
