#include "core/photo/BitmapFile.h"

Placed SaveNewBitmapFile(const DibImage& picture, const std::string& scratch,
                         const std::string& path) {
    // A scratch name already taken (by a link, say) takes the photo's number with it.
    if (const Placed written = WriteNewFile(scratch, {BmpHeader(picture), picture.Pixels()});
        written != Placed::Done) {
        return written;
    }
    const Placed placed = MoveIntoFreeName(scratch, path);
    if (placed != Placed::Done) {
        RemoveFile(scratch);
    }
    return placed;
}
