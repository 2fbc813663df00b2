#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/Driver.h"
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

SIZE BmpSize(const std::string& path) {
    const std::string bytes = ReadTestFile(path);
    if (bytes.size() < 26) {
        return {0, 0};
    }
    return {*reinterpret_cast<const LONG*>(bytes.data() + 18),
            *reinterpret_cast<const LONG*>(bytes.data() + 22)};
}

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
    const SIZE photo = BmpSize(shots / "_bmp_1.bmp");
    EXPECT_EQ(photo.cx, Screen().cx);
    EXPECT_EQ(photo.cy, Screen().cy);
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

TEST_F(EndToEnd, FreeImageBesideTheProgramMakesTheJpegs) {
    UseShotFolder();
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Resize", "1");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "WidthP", "800");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "HeightP", "600");
    TestFolder install{"vdrcam-e2e-install"};
    ASSERT_TRUE(CopyFileA(Built("vdrcam.exe").c_str(), (install / "vdrcam.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((BinFolder() + "\\..\\fake-freeimage\\FreeImage.dll").c_str(),
                          (install / "FreeImage.dll").c_str(), FALSE));
    driver::Program camera(install / "vdrcam.exe");
    HWND main = StartMain(camera);
    Click(Child(main, "Take ScreenShot Now"));
    ASSERT_TRUE(WaitForFile(shots / "0.jpg"));
    EXPECT_EQ(ReadTestFile(shots / "0.jpg"),
              "format=2 flags=128 width=800 height=600 bpp=24 filter=2 live=1");

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
    ASSERT_TRUE(WaitForFile(shots / "1.jpg"));
    EXPECT_EQ(ReadTestFile(shots / "1.jpg"),
              "format=2 flags=128 width=" + std::to_string(Screen().cx) +
                  " height=" + std::to_string(Screen().cy) + " bpp=24 filter=-1 live=1");
}

TEST_F(EndToEnd, WithoutFreeImageOnlyTheBitmapIsStored) {
    UseShotFolder();
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Resize", "1");
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Take ScreenShot Now"));
    ASSERT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=0\r\n"; }));
    EXPECT_EQ(ListFolder(shots.Path()), "_bmp_0.bmp");
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
    const SIZE photo = BmpSize(folder + "\\0.bmp");
    EXPECT_EQ(photo.cx, Screen().cx);
    EXPECT_EQ(photo.cy, Screen().cy);
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
