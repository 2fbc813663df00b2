#include <sstream>
#include <string>
#include <vector>

#include "../support/ImageFiles.h"
#include "../support/RegistryValues.h"
#include "EndToEnd.h"
#include "core/settings/SettingsTable.h"
#include "core/texts/GameScript.h"
#include "core/texts/OptionsTexts.h"

using namespace driver;

// The photo exchange with the game, the options and help windows, both editions.

TEST_F(EndToEnd, FirstStartShowsTheWindowAndStoresTheDefaults) {
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    for (const char* caption : {"Take ScreenShot Now", "Options", "Instructions"}) {
        EXPECT_NE(Child(main, caption), nullptr) << caption;
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
    // Asked to, as the benchmark does, the camera logs each photo's steps.
    const std::string steps = game / "steps.log";
    SetEnvironmentVariableA("VDRCAM_PHOTO_STEPS", steps.c_str());
    driver::Program camera(Built("vdrcam.exe"));
    SetEnvironmentVariableA("VDRCAM_PHOTO_STEPS", nullptr);
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
    const BmpFacts photo = BmpFactsOf(ReadTestFile(shots / "_bmp_1.bmp"));
    EXPECT_EQ(photo.width, Screen().cx);
    EXPECT_EQ(photo.height, Screen().cy);
    std::istringstream logged(ReadTestFile(steps));
    std::string order;
    double at = 0;
    for (std::string step; logged >> at && std::getline(logged, step);) {
        order += step.substr(1, step.find('\r') - 1) + ",";
    }
    const std::string onePhoto = "wait for the request,number probe,copy,read-out,BMP write,reply,";
    EXPECT_NE(order.find(onePhoto), order.rfind(onePhoto)) << order;
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
    HWND options = OpenOptions(camera, main);
    ASSERT_NE(options, nullptr);
    HWND screenDir = NthChild(options, "Edit", 1);
    EXPECT_EQ(Text(screenDir), shots.Path());
    const std::string newFolder = shots / "Mission 1";
    Type(screenDir, newFolder);
    Click(Child(options, "Apply"));
    const MessageBoxSeen box = WaitForMessageBox(camera.Id());
    EXPECT_EQ(box.title, "vdrcam");
    EXPECT_EQ(box.text, newFolder + kFolderCreated);
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
    HWND options = OpenOptions(camera, main);
    ASSERT_NE(options, nullptr);
    HWND message = ChildAt(options, "VdrLabel", 0, 160);
    EXPECT_EQ(Text(message), kPathHint);
    Type(NthChild(options, "Edit", 0), "");
    Click(Child(options, "Apply"));
    EXPECT_TRUE(WaitFor([&] { return Text(message) == kGameFolderWrong; }));
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
    HWND options = OpenOptions(camera, main);
    Click(Child(options, "Uninstall"));
    MessageBoxSeen question = WaitForMessageBox(camera.Id());
    EXPECT_EQ(question.text, kUninstallQuestion);
    EXPECT_EQ(question.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    Answer(question, IDYES);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question.window); }));
    const MessageBoxSeen done = WaitForMessageBox(camera.Id());
    EXPECT_EQ(done.text, kUninstallDone);
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

TEST_F(EndToEnd, ASecondStartShowsTheRunningCameraAndEnds) {
    UseShotFolder();
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    // Its other windows open too: the main window is the one found, by its caption.
    OpenOptions(camera, main);
    Click(Child(main, "Instructions"));
    ASSERT_NE(WaitForWindow(camera.Id(), "VDR Camera Help"), nullptr);
    for (const char* second : {"vdrcam.exe", "vdrcam-early.exe"}) {
        SCOPED_TRACE(second);
        PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ASSERT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }));
        driver::Program again(Built(second));
        EXPECT_TRUE(again.WaitForExit(10000));
        EXPECT_EQ(again.ExitCode(), 0u);
        EXPECT_TRUE(WaitFor([&] { return !IsIconic(main); }));  // brought back
    }
    EXPECT_FALSE(AnyMessageBox(camera.Id()));
    const std::string log = game / "gamesim.log";
    driver::Program simulator(Built("gamesim.exe"), "--keys 1 --pause 700 --wait-reply", Mdb(),
                              log);
    ASSERT_TRUE(simulator.WaitForExit(15000));
    EXPECT_EQ(ListFolder(shots.Path()), "_bmp_0.bmp");  // one camera, one photo
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    EXPECT_TRUE(camera.Running());
}

TEST_F(EndToEnd, FirstEditionShowsTheSizeFirstAndStoresNumberedBitmaps) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    const std::string folder = "C:\\ScreenShots";
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA((folder + "\\0.bmp").c_str());
    DeleteFileA((folder + "\\1.bmp").c_str());
    driver::Program camera(Built("vdrcam-early.exe"));
    HWND main = StartMain(camera);

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
    const BmpFacts photo = BmpFactsOf(ReadTestFile(folder + "\\0.bmp"));
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
