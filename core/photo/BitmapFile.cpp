#include "core/photo/BitmapFile.h"

#include "core/files/FileSystem.h"

bool SaveBitmapFile(const DibImage& picture, const std::string& path) {
    const std::string partial = PartialName(path);
    if (!WriteWholeFile(partial, EncodeBmp(picture)) || !ReplaceWith(partial, path)) {
        RemoveFile(partial);
        return false;
    }
    return true;
}
