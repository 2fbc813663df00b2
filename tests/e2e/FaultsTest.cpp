#include <future>
#include <string>
#include <thread>

#include "../support/ImageFiles.h"
#include "../support/Interference.h"
#include "../support/RegistryValues.h"
#include "EndToEnd.h"
#include "core/files/FileSystem.h"
#include "core/settings/SettingsTable.h"
#include "core/texts/CaptureTexts.h"
#include "programs/OneCamera.h"
#include "ui/WindowClasses.h"

using namespace driver;

// What a player's PC does to the exchange: a full disk, a game that keeps
// its files open, the camera closed in the middle of a photo, a name taken
// by another program, a 3D game that redraws only at its frames.

TEST_F(EndToEnd, AGameThatKeepsItsFilesOpenGetsEveryPhotoAndTheLatestReply) {
    UseShotFolder();
    UseBigJpegs();
    driver::Program camera(Built("vdrcam.exe"));
    StartMain(camera);
    // Each request is held undeletable until the next pass makes it anew, and
    // the reply is being read when the photo is stored.
    driver::Program simulator(Built("gamesim.exe"),
                              "--keys 1111 --pause 800 --hold-request --read-reply 400", Mdb());
    ASSERT_TRUE(simulator.WaitForExit(15000));
    EXPECT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=3\r\n"; }));
    EXPECT_TRUE(WaitFor(
        [&] {
            return ListFolder(shots.Path()) ==
                   "0.jpg 1.jpg 2.jpg 3.jpg _bmp_0.bmp _bmp_1.bmp _bmp_2.bmp _bmp_3.bmp";
        },
        15000));
}

TEST_F(EndToEnd, ClosedInTheMiddleOfAPhotoTheCameraStoresItAnswersAndEnds) {
    UseShotFolder();
    UseBigJpegs();  // the JPEG still being made when the window has gone
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    // Queued together: the close is delivered while the photo is being taken.
    Click(Child(main, "Take ScreenShot Now"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(camera.WaitForExit(5000));
    EXPECT_EQ(ListFolder(shots.Path()), "0.jpg _bmp_0.bmp");
    EXPECT_EQ(JpegFactsOf(ReadTestFile(shots / "0.jpg")).width, 6000);
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
}

TEST_F(EndToEnd, TheJpegsStillDueAreFinishedWhenTheWindowClosesOrTheSessionEnds) {
    UseShotFolder();
    UseBigJpegs();
    for (const bool sessionEnds : {false, true}) {
        SCOPED_TRACE(sessionEnds ? "logging off" : "closing");
        DeleteFileA((Mdb() + "\\currentPhoto.db").c_str());
        driver::Program camera(Built("vdrcam.exe"));
        HWND main = StartMain(camera);
        for (int photo = 0; photo < 4; ++photo) {
            Click(Child(main, "Take ScreenShot Now"));
            const std::string reply = "currentPhoto=" + std::to_string(photo) + "\r\n";
            ASSERT_TRUE(WaitFor([&] { return Reply() == reply; }));
        }
        if (sessionEnds) {
            // As Windows asks: the answer comes once the JPEGs are made, and then the
            // program is ended.
            DWORD_PTR answer = 0;
            EXPECT_TRUE(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                            SMTO_NORMAL, 5000, &answer));
            EXPECT_EQ(answer, TRUE);
            EXPECT_TRUE(SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                            SMTO_NORMAL, 60000, &answer));
        } else {
            PostMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_TRUE(WaitFor([&] { return Text(main).starts_with("VDR Camera - finishing "); }));
            EXPECT_FALSE(Enabled(Child(main, "Take ScreenShot Now")));
            EXPECT_TRUE(camera.WaitForExit(60000));
        }
        EXPECT_EQ(ListFolder(shots.Path()),
                  "0.jpg 1.jpg 2.jpg 3.jpg _bmp_0.bmp _bmp_1.bmp _bmp_2.bmp _bmp_3.bmp");
        for (const std::string name : {"0.jpg", "1.jpg", "2.jpg", "3.jpg", "_bmp_0.bmp",
                                       "_bmp_1.bmp", "_bmp_2.bmp", "_bmp_3.bmp"}) {
            DeleteFileA((shots / name).c_str());
        }
    }
}

TEST_F(EndToEnd, AFullDiskGetsNoReplyAndTheCaptionSaysSoUntilAPhotoIsStored) {
    ULARGE_INTEGER size{};
    if (!GetDiskFreeSpaceExA("S:\\", nullptr, &size, nullptr) || size.QuadPart > (16u << 20)) {
        GTEST_SKIP() << "no small disk as S: (mounting one needs root)";
    }
    const std::string folder = "S:\\Shots";
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", folder);
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    const auto photo = [&] { Click(Child(main, "Take ScreenShot Now")); };
    photo();  // a whole screen at 32 bits: one fits, two do not
    ASSERT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=0\r\n"; }));
    photo();
    EXPECT_TRUE(
        WaitFor([&] { return Text(main) == CaptionFor({.notStored = NotStored::DiskFull}); }));
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    EXPECT_EQ(ListFolder(folder), "_bmp_0.bmp");
    EXPECT_FALSE(AnyMessageBox(camera.Id()));
    // The player makes room: the next photo takes the number that was not used up.
    DeleteFileA((folder + "\\_bmp_0.bmp").c_str());
    photo();
    EXPECT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=1\r\n"; }));
    EXPECT_EQ(Text(main), kMainCaption);
    EXPECT_EQ(ListFolder(folder), "_bmp_1.bmp");
    // Room for the bitmap, not for its JPEG: the photo is stored and answered, and the
    // caption names the JPEG not made.
    for (const auto& [name, text] :
         {std::pair{"Resize", "1"}, {"WidthP", "2000"}, {"HeightP", "2000"}}) {
        registry::SetText(HKEY_CURRENT_USER, kSettingsKey, name, text);
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(camera.WaitForExit(5000));
    const uint64_t bitmap = FileSize(folder + "\\_bmp_1.bmp").value_or(0);
    DeleteFileA((folder + "\\_bmp_1.bmp").c_str());
    ULARGE_INTEGER free{};
    GetDiskFreeSpaceExA("S:\\", &free, nullptr, nullptr);
    WriteTestFile(folder + "\\filler", std::string(free.QuadPart - bitmap - 16384, 'f'));
    driver::Program again(Built("vdrcam.exe"));
    main = StartMain(again);
    photo();
    EXPECT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=0\r\n"; }));
    EXPECT_TRUE(WaitFor([&] {
        return Text(main) == "VDR Camera - 0.jpg not made: ScreenShot Dir's drive is full";
    }));
    EXPECT_EQ(ListFolder(folder), "_bmp_0.bmp filler");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(again.WaitForExit(5000));
    for (const char* name : {"\\_bmp_0.bmp", "\\filler"}) {
        DeleteFileA((folder + name).c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

TEST_F(EndToEnd, ACameraThatCannotTellWhetherAnotherRunsSaysSoAndEnds) {
    // Another program holds the camera's name: as an event, as a mutex with
    // no camera's window behind it, or as a first camera whose window shows
    // up only a second after the second camera has started.
    WNDCLASSA form{};
    form.lpfnWndProc = DefWindowProcA;
    form.hInstance = GetModuleHandleA(nullptr);
    form.lpszClassName = ui::kFormClass;
    RegisterClassA(&form);
    for (const int holder : {0, 1, 2}) {
        SCOPED_TRACE(holder);
        HANDLE other = holder ? CreateMutexA(nullptr, TRUE, kOneCameraName)
                              : CreateEventA(nullptr, TRUE, FALSE, kOneCameraName);
        std::promise<void> done;
        std::thread firstCamera([&] {
            if (holder == 2) {
                Sleep(1000);
                HWND first = CreateWindowA(ui::kFormClass, kMainCaption, WS_OVERLAPPEDWINDOW, 0, 0,
                                           200, 100, nullptr, nullptr, form.hInstance, nullptr);
                done.get_future().wait();
                DestroyWindow(first);
            }
        });
        driver::Program camera(Built("vdrcam.exe"));
        if (holder == 2) {
            EXPECT_TRUE(camera.WaitForExit(5000));  // brought it to the front, quietly
            EXPECT_FALSE(AnyMessageBox(camera.Id()));
        } else {
            const MessageBoxSeen box = WaitForMessageBox(camera.Id(), 6000);
            EXPECT_EQ(box.text, kCannotTellOtherCamera);
            EXPECT_EQ(FindWindowOf(camera.Id(), kMainCaption), nullptr);
            Answer(box, IDOK);
            EXPECT_TRUE(camera.WaitForExit(5000));
        }
        done.set_value();
        firstCamera.join();
        CloseHandle(other);
    }
}

TEST_F(EndToEnd, TheFirstEditionsSizeBoxIsNotInThePhoto) {
    Interference game("full-screen 00C000", 30000, "60");  // green, a frame every 60 ms
    ASSERT_TRUE(game.Started());
    driver::Program early(Built("vdrcam-early.exe"));
    HWND main = StartMain(early);
    HWND options = OpenOptions(early, main);
    ASSERT_NE(options, nullptr);
    Type(NthChild(options, "Edit", 1), shots.Path());
    Click(Child(options, "Apply"));
    ASSERT_TRUE(WaitForWindowGone(early.Id(), "VDR Camera Options"));
    for (int photo = 0; photo < 3; ++photo) {
        Click(Child(main, "Take ScreenShot Now"));
        Answer(WaitForMessageBox(early.Id()), IDOK);  // the box stands in the screen's middle
        const std::string path = shots / (std::to_string(photo) + ".bmp");
        ASSERT_TRUE(WaitFor([&] { return BmpFactsOf(ReadTestFile(path)).width > 0; }));
        EXPECT_EQ(BmpFactsOf(ReadTestFile(path)).centre, 0x00C000u) << photo;
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(early.WaitForExit(5000));
    game.Stop();
}

TEST_F(EndToEnd, StartedBesideAFullScreenGameTheCameraStaysOutOfItsWayAndOfThePhotos) {
    UseShotFolder();
    Interference game("full-screen 00C000", 30000, "60");
    ASSERT_TRUE(game.Started());
    HWND front = GetForegroundWindow();
    for (const std::string program : {"vdrcam.exe", "vdrcam-early.exe"}) {
        SCOPED_TRACE(program);
        driver::Program camera(Built(program.c_str()));
        HWND main = StartMain(camera);
        EXPECT_TRUE(IsIconic(main));
        EXPECT_EQ(GetForegroundWindow(), front);
        if (program == "vdrcam.exe") {
            driver::Program simulator(Built("gamesim.exe"), "--keys 1 --pause 700", Mdb());
            ASSERT_TRUE(simulator.WaitForExit(15000));
            ASSERT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=0\r\n"; }));
            const BmpFacts photo = BmpFactsOf(ReadTestFile(shots / "_bmp_0.bmp"));
            EXPECT_EQ(photo.centre, 0x00C000u);
            EXPECT_TRUE(photo.oneColour);  // the game alone
        }
        EXPECT_FALSE(game.Said("lost"));      // not even for a moment
        if (program == "vdrcam-early.exe") {  // the last, brought back: on the screen
            ShowWindow(main, SW_SHOWNOACTIVATE);
            RECT at{};
            GetWindowRect(main, &at);
            EXPECT_GE(at.left, 0);
            EXPECT_GE(at.top, 0);
        }
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(camera.WaitForExit(5000));
    }
    game.Stop();
}
