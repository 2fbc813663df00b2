#pragma once

#include "core/settings/Variant.h"

// The settings a capture works from: the program's own, copied when a
// capture starts, so that a change applied while it runs counts from the
// next capture on.
struct CaptureSettings {
    Variant gameFolder;   // for the reply file
    Variant shotFolder;   // for the photo files
    Variant resizeShots;  // rescaled JPEG when it equals 1
    Variant saveAsJpeg;   // full-size JPEG when it equals 1 and resizeShots equals 0
    Variant shotWidth;    // rescale size, as typed
    Variant shotHeight;
};
