#include "core/photo/PhotoFiles.h"

#include "core/files/init.h"

void ProbePhotoNumber(Variant& number, const std::string& folder) {
    while (FileExists(BitmapPath(folder, number.Text())) ||
           FileExists(JpegPath(folder, number.Text()))) {
        number.Increment();
    }
}
