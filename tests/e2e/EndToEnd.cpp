#include "EndToEnd.h"

#include "../support/Game.h"
#include "../support/Host.h"
#include "../support/RegistryValues.h"
#include "core/settings/SettingsTable.h"

std::string Built(const char* name) { return driver::BinFolder() + "\\" + name; }

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string RegistryText(const char* name) {
    return registry::Text(HKEY_CURRENT_USER, kSettingsKey, name).value_or("<missing>");
}

bool SettingsKeyExists() { return registry::KeyExists(HKEY_CURRENT_USER, kSettingsKey); }

void EndToEnd::SetUp() {
    if (!RunningUnderWine()) {
        GTEST_SKIP() << "the programs would use this Windows' own registry and C:";
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    InstallGame(game);
}

void EndToEnd::TearDown() {
    if (RunningUnderWine()) {
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kGameKey);
    }
}

void EndToEnd::UseShotFolder() {
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", shots.Path());
}

void EndToEnd::UseBigJpegs() {
    for (const auto& [name, text] :
         {std::pair{"Resize", "1"}, {"WidthP", "6000"}, {"HeightP", "4000"}}) {
        registry::SetText(HKEY_CURRENT_USER, kSettingsKey, name, text);
    }
}

HWND EndToEnd::StartMain(driver::Program& program) {
    // Generous: on a busy machine a new prefix's first program was seen
    // to take 20 s to start; the window must come, not come fast.
    HWND main = driver::WaitForWindow(program.Id(), "VDR Camera", 30000);
    EXPECT_NE(main, nullptr);
    return main;
}

HWND EndToEnd::OpenOptions(const driver::Program& program, HWND main) {
    driver::Click(driver::Child(main, "Options"));
    return driver::WaitForWindow(program.Id(), "VDR Camera Options");
}

bool EndToEnd::WaitForFile(const std::string& path, DWORD milliseconds) {
    return driver::WaitFor([&] { return Exists(path); }, milliseconds);
}
