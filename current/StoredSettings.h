#pragma once

#include "current/frmOptions.h"
#include "settings/Settings.h"

// The current edition's settings, one row each, in the order Apply stores
// them; a first start stores those with a variable. The rescale size is
// taken into the capture's settings only while photos are rescaled, and
// the JPEG box lasts for the run.
// clang-format off
inline constexpr StoredSetting<FrmOptions> kStoredSettings[] = {
    {"VeldrunFolder", nullptr, SettingKind::Text, &CurrentSettings.gameFolder,
        [](FrmOptions& w) -> ui::Control& { return w.VeldrunFolderU; }},
    {"ScreenDir", kDefaultShotFolder, SettingKind::Text, &CurrentSettings.shotFolder,
        [](FrmOptions& w) -> ui::Control& { return w.ScreenDirU; }},
    {"WidthP", "1204", SettingKind::Text, &CurrentSettings.shotWidth,
        [](FrmOptions& w) -> ui::Control& { return w.WidthU; },
        [](FrmOptions& w) -> ui::Control& { return w.resizeU; }},
    {"HeightP", "1204", SettingKind::Text, &CurrentSettings.shotHeight,
        [](FrmOptions& w) -> ui::Control& { return w.HeightU; },
        [](FrmOptions& w) -> ui::Control& { return w.resizeU; }},
    {"Resize", "0", SettingKind::Flag, &CurrentSettings.resizeShots,
        [](FrmOptions& w) -> ui::Control& { return w.resizeU; }},
    {"Change", "1", SettingKind::Flag, nullptr},
    {nullptr, nullptr, SettingKind::Flag, &CurrentSettings.saveAsJpeg,
        [](FrmOptions& w) -> ui::Control& { return w.AsJPEGU; }},
};
// clang-format on

// Fills the settings from the registry, writing the default of every missing
// (absent, non-text or empty) value back.
inline void LoadSettings() { LoadStored(kStoredSettings); }
