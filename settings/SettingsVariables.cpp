#include "settings/SettingsVariables.h"

Variant GameFolder;
Variant ShotFolder;
Variant PhotoNumber;
Variant ResizeShots;
Variant SaveAsJpeg;
Variant ShotWidth;
Variant ShotHeight;

CaptureSettings CaptureSettingsNow() {
    return {GameFolder.Text(), ShotFolder.Text(), ResizeShots, SaveAsJpeg, ShotWidth, ShotHeight};
}
