#include "settings/LoadSettings.h"

#include "settings/Registery.h"
#include "settings/SettingsVariables.h"

namespace {

std::string Stored(const char* name) {
    return GetSettingValue(HKEY_CURRENT_USER, kSettingsKey, name, "");
}

void Store(const char* name, const std::string& text) {
    SaveSettingValue(HKEY_CURRENT_USER, kSettingsKey, name, text);
}

// Loads one text setting: the stored text, or the default, which is then stored.
std::string LoadText(const char* name, Variant& variable, const std::string& fallback) {
    std::string text = Stored(name);
    if (text.empty()) {
        text = fallback;
        Store(name, text);
    }
    variable = text;
    return text;
}

}  // namespace

OptionsFields LoadSettings() {
    OptionsFields fields;
    std::string gameFolder = Stored("VeldrunFolder");
    if (gameFolder.empty()) {
        gameFolder = InstalledGameFolder();
        Store("VeldrunFolder", gameFolder);
    }
    GameFolder = gameFolder;
    fields.veldrunFolder = gameFolder;

    fields.screenDir = LoadText("ScreenDir", ShotFolder, kDefaultShotFolder);
    fields.width = LoadText("WidthP", ShotWidth, kDefaultSize);
    fields.height = LoadText("HeightP", ShotHeight, kDefaultSize);

    const std::string resize = Stored("Resize");
    if (resize.empty()) {
        fields.resize = 0;
        ResizeShots = 0;
        Store("Resize", std::to_string(fields.resize));
    } else {
        // Only the program's own "1" checks the box; a hand-edited text leaves it unchecked.
        fields.resize = resize == "1" ? 1 : 0;
        ResizeShots = resize;
    }
    return fields;
}
