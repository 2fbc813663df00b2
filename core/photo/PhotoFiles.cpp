#include "core/photo/PhotoFiles.h"

#include "core/files/init.h"
#include "core/photo/BitmapFile.h"

namespace {

bool Taken(const PhotoNaming& naming, const std::string& folder, int32_t number) {
    return FileExists(naming.bitmap(folder, number)) ||
           (naming.companion && FileExists(naming.companion(folder, number)));
}

}  // namespace

bool IsNumberedName(std::string_view name, std::string_view prefix, std::string_view suffix) {
    if (name.size() < prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
        return false;
    }
    const std::string_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    return !digits.empty() && digits.size() <= 10 &&
           digits.find_first_not_of("0123456789") == std::string_view::npos;
}

void RemoveLeftScratchFiles(const PhotoNaming& naming, const std::string& folder) {
    for (const std::string& name : FileNames(folder)) {
        if (naming.isScratch(name)) {
            RemoveFile(folder + "\\" + name);
        }
    }
}

size_t LongestShotFolder(const PhotoNaming& naming) {
    return kLongestPath - naming.bitmap("", naming.lastNumber).size();
}

std::optional<int32_t> FirstFreeNumber(const PhotoNaming& naming, const std::string& folder,
                                       int32_t from) {
    for (int32_t number = from; number <= naming.lastNumber; ++number) {
        if (!Taken(naming, folder, number)) {
            return number;
        }
        if (number == naming.lastNumber) {
            break;  // the next would overflow the largest last number
        }
    }
    return std::nullopt;
}

NumberedPhoto StoreUnderFreeNumber(const DibImage& picture, const PhotoNaming& naming,
                                   const std::string& folder, int32_t from) {
    // Bounded, in case something keeps taking the names just ahead of this one.
    constexpr int kNamesToTry = 100;
    int32_t number = from;
    for (int tried = 0; tried < kNamesToTry; ++tried) {
        const std::optional<int32_t> free = FirstFreeNumber(naming, folder, number);
        if (!free) {
            break;
        }
        number = *free;
        const Placed placed = SaveNewBitmapFile(picture, naming.scratch(folder, number),
                                                naming.bitmap(folder, number));
        if (placed != Placed::NameTaken || number == naming.lastNumber) {
            return {placed, number};
        }
        ++number;
    }
    return {Placed::NameTaken, number};
}
