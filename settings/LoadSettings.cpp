#include "settings/LoadSettings.h"

#include "settings/Registery.h"
#include "settings/SettingsVariables.h"
#include "settings/StoredSettings.h"

namespace {

// One text setting: the stored text, or the default, which is then stored.
std::string LoadText(Setting setting, Variant& variable) {
    std::string text = StoredSetting(setting);
    if (text.empty()) {
        text = SettingDefault(setting);
        StoreSetting(setting, text);
    }
    variable = text;
    return text;
}

}  // namespace

OptionsFields LoadSettings() {
    OptionsFields fields;
    std::string gameFolder = StoredSetting(Setting::VeldrunFolder);
    if (gameFolder.empty()) {
        gameFolder = InstalledGameFolder();
        StoreSetting(Setting::VeldrunFolder, gameFolder);
    }
    GameFolder = gameFolder;
    fields.veldrunFolder = gameFolder;

    fields.screenDir = LoadText(Setting::ScreenDir, ShotFolder);
    fields.width = LoadText(Setting::WidthP, ShotWidth);
    fields.height = LoadText(Setting::HeightP, ShotHeight);

    const std::string resize = StoredSetting(Setting::Resize);
    if (resize.empty()) {
        fields.resize = 0;
        ResizeShots = 0;
        StoreSetting(Setting::Resize, std::to_string(fields.resize));
    } else {
        // The box is checked exactly when photos are rescaled: for a text
        // that is numerically 1 (" 1", "01"); any other text leaves it unchecked.
        ResizeShots = resize;
        fields.resize = ResizeShots.Equals(1) ? 1 : 0;
    }
    return fields;
}
