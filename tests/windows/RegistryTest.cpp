#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "../support/RegistrySandbox.h"
#include "core/settings/SettingsTable.h"
#include "current/StoredSettings.h"
#include "settings/Registery.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { sandbox::Clear(); }

    std::string Get(const std::string& name, const std::string& fallback = "") {
        return GetSettingValue(HKEY_CURRENT_USER, kSettingsKey, name, fallback);
    }
    std::string Machine(const std::string& name) {
        return GetMachineValue(HKEY_LOCAL_MACHINE, kGameKey, name, KEY_WOW64_64KEY);
    }
    // When the camera's key or one of its values was last written.
    uint64_t Written() { return registry::Info(HKEY_CURRENT_USER, kSettingsKey).lastWrite; }
};

}  // namespace

TEST_F(RegistryTest, GetSettingValueFallsBackForMissingKeysValuesAndOtherTypes) {
    EXPECT_EQ(Get("ScreenDir", "fallback"), "fallback");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Other", "x");
    EXPECT_EQ(Get("ScreenDir", "fallback"), "fallback");
    registry::SetDword(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", 5);
    EXPECT_EQ(Get("ScreenDir", "fallback"), "fallback");
    registry::SetRaw(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", REG_EXPAND_SZ,
                     std::string("C:\\x\0", 5));
    EXPECT_EQ(Get("ScreenDir", "fallback"), "fallback");
}

TEST_F(RegistryTest, TextsWithAndWithoutTerminatingZeroReadTheSame) {
    registry::SetRaw(HKEY_CURRENT_USER, kSettingsKey, "A", REG_SZ, std::string("C:\\Shots\0", 9));
    registry::SetRaw(HKEY_CURRENT_USER, kSettingsKey, "B", REG_SZ, "C:\\Shots");
    EXPECT_EQ(Get("A"), "C:\\Shots");
    EXPECT_EQ(Get("B"), "C:\\Shots");
    registry::SetRaw(HKEY_CURRENT_USER, kSettingsKey, "C", REG_SZ, std::string("ab\0cd\0", 6));
    EXPECT_EQ(Get("C"), "ab");
}

TEST_F(RegistryTest, HugeTextsReadBackWhole) {
    const std::string huge(100000, 'w');
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "WidthP", huge);
    EXPECT_EQ(Get("WidthP"), huge);
}

TEST_F(RegistryTest, AValueThatGrowsWhileItIsReadComesBackWhole) {
    // Another program rewrites the value longer and longer as it is read.
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", "w");
    std::atomic<bool> reading = true;
    std::thread writer([&] {
        for (size_t length = 2; reading; length = length % 4000 + 1) {
            registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir",
                              std::string(length, 'w'));
        }
    });
    int whole = 0;
    for (int read = 0; read < 300; ++read) {
        const std::string value = Get("ScreenDir", "unread");
        whole += value.find_first_not_of('w') == std::string::npos;
    }
    reading = false;
    writer.join();
    EXPECT_EQ(whole, 300);
}

TEST_F(RegistryTest, SavedValuesReadBackUnchanged) {
    SaveSettingValue(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", "D:\\Photos with spaces");
    SaveSettingValue(HKEY_CURRENT_USER, kSettingsKey, "WidthP", "");
    EXPECT_EQ(Get("ScreenDir"), "D:\\Photos with spaces");
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "WidthP"), "");
    EXPECT_EQ(Get("WidthP", "fallback"), "");
}

TEST_F(RegistryTest, GetMachineValueReadsWhateverIsThere) {
    EXPECT_EQ(Machine("MAIN"), "");  // no key
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, "OTHER", "x");
    EXPECT_EQ(Machine("MAIN"), "");  // no value
    registry::SetRaw(HKEY_LOCAL_MACHINE, kGameKey, "MAIN", REG_SZ, "");
    EXPECT_EQ(Machine("MAIN"), "");  // size 0
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, "MAIN", "C:\\Games\\Veldrun");
    EXPECT_EQ(Machine("MAIN"), "C:\\Games\\Veldrun");
    registry::SetRaw(HKEY_LOCAL_MACHINE, kGameKey, "MAIN", REG_SZ, "C:\\Games\\Veldrun");
    EXPECT_EQ(Machine("MAIN"), "C:\\Games\\Veldrun");
}

TEST_F(RegistryTest, FirstStartWritesTheFiveDefaultsAndNoChange) {
    LoadSettings();
    EXPECT_EQ(registry::Info(HKEY_CURRENT_USER, kSettingsKey).values, 5u);
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder"), "");
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir"), "C:\\ScreenShots");
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "WidthP"), "1204");
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "HeightP"), "1204");
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "Resize"), "0");
    EXPECT_FALSE(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "Change"));
    EXPECT_EQ(GameFolder.Text(), "");
    EXPECT_EQ(ShotFolder.Text(), "C:\\ScreenShots");
    EXPECT_EQ(ShotWidth.Text(), "1204");
    EXPECT_EQ(ShotHeight.Text(), "1204");
    EXPECT_EQ(ResizeShots.GetType(), Variant::Type::Integer);
    EXPECT_TRUE(ResizeShots.Equals(0));
}

TEST_F(RegistryTest, MissingGameIsLookedUpAgainAtTheNextStart) {
    LoadSettings();
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder"), "");
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, "MAIN", "C:\\Veldrun");
    LoadSettings();
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder"), "C:\\Veldrun");
    EXPECT_EQ(GameFolder.Text(), "C:\\Veldrun");
}

TEST_F(RegistryTest, StoredValuesAreUsedAndNotRewritten) {
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, "MAIN", "C:\\FromGame");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder", "D:\\Mine");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", "D:\\Shots");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "WidthP", "800");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "HeightP", "600");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Resize", "1");
    const uint64_t written = Written();
    Sleep(20);  // a write now would be seen as a later one
    LoadSettings();
    EXPECT_EQ(Written(), written);
    EXPECT_EQ(GameFolder.Text(), "D:\\Mine");
    EXPECT_EQ(ShotFolder.Text(), "D:\\Shots");
    EXPECT_EQ(ShotWidth.Text(), "800");
    EXPECT_EQ(ShotHeight.Text(), "600");
    EXPECT_EQ(ResizeShots.GetType(), Variant::Type::Text);
    EXPECT_TRUE(ResizeShots.Equals(1));
}

TEST_F(RegistryTest, EachSettingMissingOrNotTextAloneGetsItsDefaultWritten) {
    const std::function<void(const char*)> spoilt[] = {
        [](const char*) {},  // absent
        [](const char* name) { registry::SetDword(HKEY_CURRENT_USER, kSettingsKey, name, 7); },
        [](const char* name) { registry::SetText(HKEY_CURRENT_USER, kSettingsKey, name, ""); },
    };
    for (const auto& row : kStoredSettings) {
        if (!row.name || !row.defaultText || !row.variable) {
            continue;  // the game's folder, Apply's mark and the JPEG box load no default
        }
        for (const auto& spoil : spoilt) {
            SCOPED_TRACE(row.name);
            sandbox::Clear();
            for (const auto& other : kStoredSettings) {
                if (&other != &row && other.name && other.variable) {
                    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, other.name, "1");
                }
            }
            spoil(row.name);
            LoadSettings();
            for (const auto& other : kStoredSettings) {
                if (!other.name) {
                    continue;
                }
                EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, other.name),
                          &other == &row   ? std::optional<std::string>(row.defaultText)
                          : other.variable ? std::optional<std::string>("1")
                                           : std::nullopt);
            }
            EXPECT_EQ(row.variable->Text(), row.defaultText);
        }
    }
}

TEST_F(RegistryTest, DeleteKeyAndCheck) {
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", "x");
    EXPECT_TRUE(DeleteKeyAndCheck(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_FALSE(registry::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_TRUE(DeleteKeyAndCheck(HKEY_CURRENT_USER, kSettingsKey));  // already gone
    registry::SetText(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\Extra", "x", "y");
    EXPECT_FALSE(DeleteKeyAndCheck(HKEY_CURRENT_USER, kSettingsKey));  // a subkey keeps it
    EXPECT_TRUE(registry::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_F(RegistryTest, OnlyTextInTheGamesKeyIsAFolder) {
    char systemRoot[MAX_PATH] = {};
    GetEnvironmentVariableA("SystemRoot", systemRoot, MAX_PATH);
    const struct {
        const char* name;
        DWORD type;
        std::string bytes;
        std::string folder;
    } values[] = {
        {"a number", REG_DWORD, "DCBA", ""},  // 0x41424344
        {"binary data", REG_BINARY, "C:\\Games", ""},
        {"text", REG_SZ, std::string("C:\\Games\\Veldrun\0", 17), "C:\\Games\\Veldrun"},
        {"expandable text", REG_EXPAND_SZ, std::string("%SystemRoot%\\Veldrun\0", 21),
         std::string(systemRoot) + "\\Veldrun"},
    };
    for (const auto& value : values) {
        SCOPED_TRACE(value.name);
        sandbox::Clear();
        registry::SetRaw(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, value.type, value.bytes);
        LoadSettings();
        EXPECT_EQ(GameFolder.Text(), value.folder);
        // An empty one is looked up again at the next start.
        EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder"), value.folder);
    }
}
