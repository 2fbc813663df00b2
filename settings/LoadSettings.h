#pragma once

#include <string>

// What the options window's fields show after the settings were loaded.
struct OptionsFields {
    std::string veldrunFolder;
    std::string screenDir;
    std::string width;
    std::string height;
    int resize = 0;  // state of the resize box
};

// Fills the settings variables from the registry, writing the default of
// every missing (absent, non-text or empty) value back.
OptionsFields LoadSettings();
