#pragma once

#include <string>

#include "core/settings/Variant.h"

// What one capture works from, taken when it starts, so that a change
// applied while it runs counts from the next capture on.
struct CaptureSettings {
    std::string gameFolder;  // for the reply file
    std::string shotFolder;  // for the photo files
    Variant resizeShots;     // rescaled JPEG when it equals 1
    Variant saveAsJpeg;      // full-size JPEG when it equals 1 and resizeShots equals 0
    Variant shotWidth;       // rescale size, as typed
    Variant shotHeight;
};
