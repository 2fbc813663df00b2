#include "settings/SettingsVariables.h"

Variant GameFolder;
Variant ShotFolder;
Variant PhotoNumber;
Variant ResizeShots;
Variant SaveAsJpeg;
Variant ShotWidth;
Variant ShotHeight;

Variant* SettingVariable(Setting setting) {
    switch (setting) {
        case Setting::VeldrunFolder:
            return &GameFolder;
        case Setting::ScreenDir:
            return &ShotFolder;
        case Setting::WidthP:
            return &ShotWidth;
        case Setting::HeightP:
            return &ShotHeight;
        case Setting::Resize:
            return &ResizeShots;
        case Setting::Change:
            break;
    }
    return nullptr;
}

CaptureSettings CaptureSettingsNow() {
    return {GameFolder.Text(), ShotFolder.Text(), ResizeShots, SaveAsJpeg, ShotWidth, ShotHeight};
}
