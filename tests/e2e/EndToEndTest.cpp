#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/Driver.h"
#include "../support/ImageFiles.h"
#include "../support/RegistryValues.h"
#include "../support/TestFolder.h"
#include "help/GameScript.h"

using namespace driver;

namespace {

constexpr char kSettingsKey[] = "Software\\VDRCamera";
constexpr char kGameKey[] = "Software\\Brakemont\\Operation Veldrun";

std::string Built(const char* name) { return BinFolder() + "\\" + name; }

std::string RegistryText(const char* name) {
    return registry::Text(HKEY_CURRENT_USER, kSettingsKey, name).value_or("<missing>");
}

bool SettingsKeyExists() { return registry::KeyExists(HKEY_CURRENT_USER, kSettingsKey); }

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A player's machine: the game installed in a test folder, the camera's
// settings not yet made, photos going to a test folder.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        CreateDirectoryA((game / "tidemark").c_str(), nullptr);
        CreateDirectoryA(Mdb().c_str(), nullptr);
        registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, "MAIN", game.Path());
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kGameKey);
    }

    std::string Mdb() const { return game / "tidemark\\mdb"; }
    std::string Request() const { return Mdb() + "\\takePhoto.db"; }
    std::string Reply() const { return ReadTestFile(Mdb() + "\\currentPhoto.db"); }
    void UseShotFolder() {
        registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", shots.Path());
    }

    HWND StartMain(driver::Program& program) {
        HWND main = WaitForWindow(program.Id(), "VDR Camera");
        EXPECT_NE(main, nullptr);
        return main;
    }
    bool WaitForFile(const std::string& path, DWORD milliseconds = 5000) {
        return WaitFor([&] { return Exists(path); }, milliseconds);
    }
    SIZE Screen() const { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

    TestFolder game{"vdrcam-e2e-game"};
    TestFolder shots{"vdrcam-e2e-shots"};
};

}  // namespace

TEST_F(EndToEnd, FirstStartShowsTheWindowAndStoresTheDefaults) {
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    const SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, 182);
    EXPECT_EQ(client.cy, 76);
    int row = 0;
    for (const char* caption : {"Take ScreenShot Now", "Options", "Instructions"}) {
        HWND button = Child(main, caption);
        ASSERT_NE(button, nullptr) << caption;
        const RECT area = RectInParent(button);
        EXPECT_EQ(area.left, 8);
        EXPECT_EQ(area.top, 8 + 24 * row++);
        EXPECT_EQ(area.right - area.left, 169);
        EXPECT_EQ(area.bottom - area.top, 17);
    }
    EXPECT_EQ(FindWindowOf(camera.Id(), "VDR Camera Options"), nullptr);  // loaded, hidden
    EXPECT_EQ(RegistryText("VeldrunFolder"), game.Path());
    EXPECT_EQ(RegistryText("ScreenDir"), "C:\\ScreenShots");
    EXPECT_EQ(RegistryText("WidthP"), "1204");
    EXPECT_EQ(RegistryText("HeightP"), "1204");
    EXPECT_EQ(RegistryText("Resize"), "0");
    EXPECT_EQ(RegistryText("Change"), "<missing>");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(camera.WaitForExit(5000));
}

TEST_F(EndToEnd, TheGamesRequestsComeBackAsPhotosAndReplies) {
    UseShotFolder();
    driver::Program camera(Built("vdrcam.exe"));
    StartMain(camera);
    const std::string log = game / "gamesim.log";
    driver::Program simulator(Built("gamesim.exe"), "--keys 0110 --pause 700 --wait-reply", Mdb(),
                              log);
    ASSERT_TRUE(simulator.WaitForExit(15000));
    EXPECT_EQ(simulator.ExitCode(), 0u);
    const std::string output = ReadTestFile(log);
    EXPECT_NE(output.find("pass 1: key up"), std::string::npos) << output;
    EXPECT_NE(output.find("pass 2: key down, photo requested, currentPhoto=0 after"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("pass 3: key down, photo requested, currentPhoto=1 after"),
              std::string::npos)
        << output;
    EXPECT_EQ(ListFolder(shots.Path()), "_bmp_0.bmp _bmp_1.bmp");
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
    EXPECT_FALSE(Exists(Request()));
    const BmpFacts photo = ReadBmp(shots / "_bmp_1.bmp");
    EXPECT_EQ(photo.width, Screen().cx);
    EXPECT_EQ(photo.height, Screen().cy);
}

TEST_F(EndToEnd, NumberingContinuesAcrossRestarts) {
    UseShotFolder();
    {
        driver::Program camera(Built("vdrcam.exe"));
        HWND main = StartMain(camera);
        Click(Child(main, "Take ScreenShot Now"));
        ASSERT_TRUE(WaitForFile(shots / "_bmp_0.bmp"));
        Click(Child(main, "Take ScreenShot Now"));
        ASSERT_TRUE(WaitForFile(shots / "_bmp_1.bmp"));
        PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(camera.WaitForExit(5000));
    }
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Take ScreenShot Now"));
    ASSERT_TRUE(WaitForFile(shots / "_bmp_2.bmp"));
    EXPECT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=2\r\n"; }));
}

TEST_F(EndToEnd, OptionsAppliedThroughTheWindowAreStoredAndUsed) {
    UseShotFolder();
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Options"));
    HWND options = WaitForWindow(camera.Id(), "VDR Camera Options");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(ClientSize(options).cx, 211);
    EXPECT_EQ(ClientSize(options).cy, 203);
    HWND screenDir = NthChild(options, "Edit", 1);
    EXPECT_EQ(Text(screenDir), shots.Path());
    const std::string newFolder = shots / "Mission 1";
    Type(screenDir, newFolder);
    Click(Child(options, "Apply"));
    const MessageBoxSeen box = WaitForMessageBox(camera.Id());
    EXPECT_EQ(box.title, "vdrcam");
    EXPECT_EQ(box.text, newFolder + " - Folder created");
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    Answer(box, IDOK);
    EXPECT_TRUE(WaitForWindowGone(camera.Id(), "VDR Camera Options"));
    EXPECT_EQ(RegistryText("ScreenDir"), newFolder);
    EXPECT_EQ(RegistryText("Change"), "1");
    Click(Child(main, "Take ScreenShot Now"));
    EXPECT_TRUE(WaitForFile(newFolder + "\\_bmp_0.bmp"));
}

TEST_F(EndToEnd, EntryErrorsShowInTheOptionsWindow) {
    UseShotFolder();
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Options"));
    HWND options = WaitForWindow(camera.Id(), "VDR Camera Options");
    ASSERT_NE(options, nullptr);
    HWND message = ChildAt(options, "VdrLabel", 0, 160);
    EXPECT_EQ(Text(message), "No end \\ in paths");
    Type(NthChild(options, "Edit", 0), "");
    Click(Child(options, "Apply"));
    EXPECT_TRUE(WaitFor([&] { return Text(message) == "*Veldrun Folder Is Incorrect"; }));
    EXPECT_EQ(Text(ChildAt(options, "VdrLabel", 200, 16)), "*");
    EXPECT_NE(FindWindowOf(camera.Id(), "VDR Camera Options"), nullptr);
    EXPECT_EQ(RegistryText("Change"), "<missing>");
}

TEST_F(EndToEnd, UninstallRemovesTheKeyAndEndsTheProgram) {
    UseShotFolder();
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Instructions"));
    ASSERT_NE(WaitForWindow(camera.Id(), "VDR Camera Help"), nullptr);
    Click(Child(main, "Options"));
    HWND options = WaitForWindow(camera.Id(), "VDR Camera Options");
    Click(Child(options, "Uninstall"));
    MessageBoxSeen question = WaitForMessageBox(camera.Id());
    EXPECT_EQ(question.text, "Do you want to remove VDRCamera from Registery and exit?");
    EXPECT_EQ(question.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    Answer(question, IDYES);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question.window); }));
    const MessageBoxSeen done = WaitForMessageBox(camera.Id());
    EXPECT_EQ(done.text, "Sucessfully removed, click okay to exit");
    EXPECT_EQ(done.buttons, std::vector<std::string>{"OK"});
    EXPECT_FALSE(SettingsKeyExists());  // gone before the confirmation
    Answer(done, IDOK);
    EXPECT_TRUE(camera.WaitForExit(5000));
    EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(EndToEnd, HelpWindowShowsTheScriptAndEscapeClosesIt) {
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Instructions"));
    HWND help = WaitForWindow(camera.Id(), "VDR Camera Help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(ClientSize(help).cx, 384);
    EXPECT_EQ(ClientSize(help).cy, 260);
    HWND script = NthChild(help, "Edit", 0);
    EXPECT_EQ(Text(script), std::string(kGameScript));
    Click(Child(main, "Instructions"));  // a second press brings the same window forward
    Sleep(200);
    EXPECT_EQ(FindWindowOf(camera.Id(), "VDR Camera Help"), help);
    PostMessageA(script, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitForWindowGone(camera.Id(), "VDR Camera Help"));
    EXPECT_TRUE(camera.Running());
}

TEST_F(EndToEnd, ClosingTheMainWindowClosesEverything) {
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Options"));
    Click(Child(main, "Instructions"));
    ASSERT_NE(WaitForWindow(camera.Id(), "VDR Camera Options"), nullptr);
    ASSERT_NE(WaitForWindow(camera.Id(), "VDR Camera Help"), nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(camera.WaitForExit(5000));
    EXPECT_EQ(camera.ExitCode(), 0u);
}

TEST_F(EndToEnd, TheShippedFreeImageMakesRescaledAndFullSizeJpegs) {
    UseShotFolder();
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Resize", "1");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "WidthP", "800");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "HeightP", "600");
    ASSERT_TRUE(Exists(Built("FreeImage.dll")));
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Take ScreenShot Now"));
    ASSERT_TRUE(WaitForFile(shots / "0.jpg"));
    ASSERT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=0\r\n"; }));
    const JpegFacts rescaled = ReadJpeg(shots / "0.jpg");
    EXPECT_TRUE(rescaled.valid);
    EXPECT_EQ(rescaled.width, 800);
    EXPECT_EQ(rescaled.height, 600);
    EXPECT_TRUE(IsQuality100(rescaled));
    EXPECT_EQ(ReadBmp(shots / "_bmp_0.bmp").width, Screen().cx);

    // Resizing off, JPEG on: the full-size JPEG.
    Click(Child(main, "Options"));
    HWND options = WaitForWindow(camera.Id(), "VDR Camera Options");
    HWND resize = Child(options, "Resize Screenshots?");
    HWND jpeg = Child(options, "Compress to JPEG?");
    EXPECT_TRUE(Checked(resize));
    EXPECT_TRUE(Checked(jpeg));
    EXPECT_FALSE(Enabled(jpeg));
    Click(resize);
    EXPECT_TRUE(WaitFor([&] { return Enabled(jpeg); }));
    Click(Child(options, "Apply"));
    ASSERT_TRUE(WaitForWindowGone(camera.Id(), "VDR Camera Options"));
    Click(Child(main, "Take ScreenShot Now"));
    ASSERT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=1\r\n"; }));
    const JpegFacts full = ReadJpeg(shots / "1.jpg");
    EXPECT_TRUE(full.valid);
    EXPECT_EQ(full.width, Screen().cx);
    EXPECT_EQ(full.height, Screen().cy);
    EXPECT_TRUE(IsQuality100(full));
    EXPECT_EQ(ListFolder(shots.Path()), "0.jpg 1.jpg _bmp_0.bmp _bmp_1.bmp");
}

TEST_F(EndToEnd, TheShippedFreeImageKeepsItsFormatNumbersAndVersion) {
    const std::string dll = Built("FreeImage.dll");
    HMODULE library = LoadLibraryExA(dll.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ASSERT_NE(library, nullptr);
    using FromFormat = int(__stdcall*)(const char*);
    using Version = const char*(__stdcall*)();
    auto fromFormat = reinterpret_cast<FromFormat>(
        reinterpret_cast<void*>(GetProcAddress(library, "FreeImage_GetFIFFromFormat")));
    auto version = reinterpret_cast<Version>(
        reinterpret_cast<void*>(GetProcAddress(library, "FreeImage_GetVersion")));
    ASSERT_NE(fromFormat, nullptr);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(fromFormat("BMP"), 0);
    EXPECT_EQ(fromFormat("JPEG"), 2);
    EXPECT_EQ(fromFormat("PNG"), 13);  // formats not built keep their numbers
    EXPECT_STREQ(version(), "3.18.0");
    FreeLibrary(library);

    DWORD ignored = 0;
    std::string info(GetFileVersionInfoSizeA(dll.c_str(), &ignored), '\0');
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(dll.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(18, 3));
}

TEST_F(EndToEnd, WithoutAUsableFreeImageOnlyTheBitmapIsStored) {
    UseShotFolder();
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Resize", "1");
    // A 64-bit program cannot load a 32-bit DLL; the machine field is what it goes by.
    std::string thirtyTwoBit = ReadTestFile(Built("FreeImage.dll"));
    ASSERT_GT(thirtyTwoBit.size(), 0x100u);
    const uint32_t peHeader = *reinterpret_cast<const uint32_t*>(thirtyTwoBit.data() + 0x3C);
    thirtyTwoBit[peHeader + 4] = 0x4C;  // IMAGE_FILE_MACHINE_I386
    thirtyTwoBit[peHeader + 5] = 0x01;
    const struct {
        const char* name;
        std::string dll;  // empty: no FreeImage.dll at all
    } cases[] = {
        {"missing", ""},
        {"no DLL at all", "This is not a library.\r\n"},
        {"a 32-bit copy", thirtyTwoBit},
        {"saves that fail", ReadTestFile(BinFolder() + "\\..\\failing-freeimage\\FreeImage.dll")},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        TestFolder install{"vdrcam-e2e-install"};
        TestFolder photos{"vdrcam-e2e-photos"};
        registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", photos.Path());
        ASSERT_TRUE(
            CopyFileA(Built("vdrcam.exe").c_str(), (install / "vdrcam.exe").c_str(), FALSE));
        if (!example.dll.empty()) {
            WriteTestFile(install / "FreeImage.dll", example.dll);
        }
        driver::Program camera(install / "vdrcam.exe");
        HWND main = StartMain(camera);
        for (int photo = 0; photo < 2; ++photo) {
            Click(Child(main, "Take ScreenShot Now"));
            const std::string reply = "currentPhoto=" + std::to_string(photo) + "\r\n";
            ASSERT_TRUE(WaitFor([&] { return Reply() == reply; }));
        }
        EXPECT_EQ(ListFolder(photos.Path()), "_bmp_0.bmp _bmp_1.bmp");
        EXPECT_FALSE(AnyMessageBox(camera.Id()));
        EXPECT_TRUE(camera.Running());
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(camera.WaitForExit(5000));
    }
}

TEST_F(EndToEnd, TheGamesFolderIsFoundInEitherRegistryView) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kGameKey);
    TestFolder other{"vdrcam-e2e-other-game"};
    const struct {
        const char* name;
        const char* in32;  // the folder the game's key names in each view; null: no key
        const char* in64;
        const char* expected;
    } cases[] = {
        {"32-bit view only", "game", nullptr, "game"},
        {"64-bit view only", nullptr, "game", "game"},
        {"both views", "game", "other", "game"},
        {"neither", nullptr, nullptr, ""},
    };
    const auto folder = [&](const char* which) {
        return std::string(which) == "game" ? game.Path() : other.Path();
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            registry::DeleteTree(HKEY_LOCAL_MACHINE, kGameKey, view);
            const char* which = view == KEY_WOW64_32KEY ? example.in32 : example.in64;
            if (which) {
                registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, "MAIN", folder(which), view);
            }
        }
        const std::string expected = *example.expected ? folder(example.expected) : "";
        {
            driver::Program camera(Built("vdrcam.exe"));
            HWND main = StartMain(camera);
            EXPECT_EQ(RegistryText("VeldrunFolder"), expected);
            if (!expected.empty()) {  // and the game's requests are served
                WriteTestFile(Request(), "take 1");
                EXPECT_TRUE(WaitFor([&] { return !Exists(Request()); }));
            }
            PostMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_TRUE(camera.WaitForExit(5000));
        }
        // The first edition reads the same key, each time its options window loads.
        driver::Program early(Built("vdrcam-early.exe"));
        HWND main = StartMain(early);
        Click(Child(main, "Options"));
        HWND options = WaitForWindow(early.Id(), "VDR Camera Options");
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(Text(NthChild(options, "Edit", 0)), expected);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(early.WaitForExit(5000));
    }
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        registry::DeleteTree(HKEY_LOCAL_MACHINE, kGameKey, view);
    }
}

TEST_F(EndToEnd, SystemInformationIsFoundInEitherRegistryViewTheSystemsFirst) {
    const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    TestFolder tools{"vdrcam-e2e-tools"};
    const std::string native = tools / "native.exe";
    const std::string thirtyTwo = tools / "wow64.exe";
    for (const std::string& path : {native, thirtyTwo}) {
        ASSERT_TRUE(CopyFileA(Built("sysinfo_probe.exe").c_str(), path.c_str(), FALSE));
    }
    const struct {
        const char* name;
        bool in64;
        bool in32;
        std::string started;
    } cases[] = {
        {"64-bit view only", true, false, native},
        {"32-bit view only", false, true, thirtyTwo},
        {"both views", true, true, native},
    };
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Instructions"));
    HWND help = WaitForWindow(camera.Id(), "VDR Camera Help");
    ASSERT_NE(help, nullptr);
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        DeleteFileA((native + ".ran").c_str());
        DeleteFileA((thirtyTwo + ".ran").c_str());
        registry::DeleteTree(HKEY_LOCAL_MACHINE, toolKey, KEY_WOW64_64KEY);
        registry::DeleteTree(HKEY_LOCAL_MACHINE, toolKey, KEY_WOW64_32KEY);
        if (example.in64) {
            registry::SetText(HKEY_LOCAL_MACHINE, toolKey, "PATH", native, KEY_WOW64_64KEY);
        }
        if (example.in32) {
            registry::SetText(HKEY_LOCAL_MACHINE, toolKey, "PATH", thirtyTwo, KEY_WOW64_32KEY);
        }
        Click(Child(help, "&System Info..."));
        EXPECT_TRUE(WaitForFile(example.started + ".ran"));
        Sleep(300);
        EXPECT_EQ(Exists(native + ".ran"), example.started == native);
        EXPECT_EQ(Exists(thirtyTwo + ".ran"), example.started == thirtyTwo);
        EXPECT_FALSE(AnyMessageBox(camera.Id()));
    }
    registry::DeleteTree(HKEY_LOCAL_MACHINE, toolKey, KEY_WOW64_64KEY);
    registry::DeleteTree(HKEY_LOCAL_MACHINE, toolKey, KEY_WOW64_32KEY);
}

TEST_F(EndToEnd, FirstEditionShowsTheSizeFirstAndStoresNumberedBitmaps) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    const std::string folder = "C:\\ScreenShots";
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA((folder + "\\0.bmp").c_str());
    DeleteFileA((folder + "\\1.bmp").c_str());
    driver::Program camera(Built("vdrcam-early.exe"));
    HWND main = StartMain(camera);
    EXPECT_EQ(ClientSize(main).cx, 198);
    EXPECT_EQ(ClientSize(main).cy, 69);

    driver::Program simulator(Built("gamesim.exe"), "--keys 1 --pause 300", Mdb(),
                              game / "gamesim.log");
    const MessageBoxSeen box = WaitForMessageBox(camera.Id());
    EXPECT_EQ(box.title, "vdrcam-early");
    EXPECT_EQ(box.text,
              std::to_string(Screen().cx * 15) + " by " + std::to_string(Screen().cy * 15));
    Sleep(300);
    EXPECT_FALSE(Exists(folder + "\\0.bmp"));  // nothing before the box is closed
    Answer(box, IDOK);
    ASSERT_TRUE(WaitForFile(folder + "\\0.bmp"));
    const BmpFacts photo = ReadBmp(folder + "\\0.bmp");
    EXPECT_EQ(photo.width, Screen().cx);
    EXPECT_EQ(photo.height, Screen().cy);
    EXPECT_FALSE(Exists(Mdb() + "\\currentPhoto.db"));

    Click(Child(main, "Take ScreenShot Now"));
    Answer(WaitForMessageBox(camera.Id()), IDOK);
    EXPECT_TRUE(WaitForFile(folder + "\\1.bmp"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(camera.WaitForExit(5000));
    EXPECT_FALSE(SettingsKeyExists());
    DeleteFileA((folder + "\\0.bmp").c_str());
    DeleteFileA((folder + "\\1.bmp").c_str());
}

TEST(EndToEndAfterwards, NoProgramIsLeftRunning) {
    EXPECT_FALSE(ProcessRunning("vdrcam.exe"));
    EXPECT_FALSE(ProcessRunning("vdrcam-early.exe"));
    EXPECT_FALSE(ProcessRunning("gamesim.exe"));
}
