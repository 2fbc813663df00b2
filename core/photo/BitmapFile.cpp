#include "core/photo/BitmapFile.h"

Placed SaveNewBitmapFile(const DibImage& picture, const std::string& path) {
    const std::string partial = PartialName(path);
    // A scratch name already taken (by a link, say) takes the photo's number with it.
    if (const Placed written = WriteNewFile(partial, {BmpHeader(picture), picture.Pixels()});
        written != Placed::Done) {
        return written;
    }
    const Placed placed = MoveIntoFreeName(partial, path);
    if (placed != Placed::Done) {
        RemoveFile(partial);
    }
    return placed;
}
