#include "core/photo/BitmapFile.h"

Placed SaveNewBitmapFile(const DibImage& picture, const std::string& path) {
    const std::string partial = PartialName(path);
    if (!WriteWholeFile(partial, {BmpHeader(picture), picture.Pixels()})) {
        RemoveFile(partial);
        return Placed::Failed;
    }
    const Placed placed = MoveIntoFreeName(partial, path);
    if (placed != Placed::Done) {
        RemoveFile(partial);
    }
    return placed;
}
