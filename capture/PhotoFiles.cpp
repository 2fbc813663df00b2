#include "capture/PhotoFiles.h"

#include "app/init.h"

void ProbePhotoNumber(Variant& number, const Variant& folder) {
    while (FileExists(BitmapPath(folder.Text(), number.Text()))) {
        number.Increment();
    }
}
