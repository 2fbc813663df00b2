#include "core/photo/PhotoFiles.h"

#include "core/files/init.h"
#include "core/photo/BitmapFile.h"

namespace {

bool Taken(const PhotoNaming& naming, const std::string& folder, int32_t number) {
    return FileExists(naming.bitmap(folder, number)) ||
           (naming.companion && FileExists(naming.companion(folder, number)));
}

}  // namespace

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
        const Placed placed = SaveNewBitmapFile(picture, naming.bitmap(folder, number));
        if (placed != Placed::NameTaken || number == naming.lastNumber) {
            return {placed, number};
        }
        ++number;
    }
    return {Placed::NameTaken, number};
}
