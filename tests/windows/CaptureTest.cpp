#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "../support/ColourScreen.h"
#include "../support/Driver.h"
#include "../support/Failures.h"
#include "../support/Game.h"
#include "../support/ImageFiles.h"
#include "../support/Interference.h"
#include "../support/Links.h"
#include "../support/Pump.h"
#include "../support/RegistrySandbox.h"
#include "../support/SmallDisk.h"
#include "../support/WindowSuite.h"
#include "capture/FreeImageDll.h"
#include "capture/ScreenGrab.h"
#include "core/exchange/RequestFiles.h"
#include "core/files/init.h"
#include "core/photo/PhotoFiles.h"
#include "core/texts/CaptureTexts.h"
#include "mainwindow/CaptureWindow.h"
#include "programs/vdrcam/Forms.h"
#include "settings/Registery.h"
#include "settings/Settings.h"
#include "ui/MessagePump.h"

namespace {

class CaptureTest : public ProgramSuite<VdrcamForms> {
protected:
    void SetUp() override {
        WindowSuite::SetUp();
        registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", Shots());
        SaveAsJpeg = Variant();  // never stored, so a test that sets it resets it here
    }

    std::string Shots() const { return shots / "Photos"; }
    std::string Request() const { return RequestPath(game.Path()); }
    std::string Reply() const { return ReadTestFile(ReplyPath(game.Path())); }
    void Photo() { Click(frmScreenshot["ManualTake"]); }
    void Tick(int count = 1) {
        Ticks([&] { frmScreenshot.frmScreenshot_Timer1_Timer(); }, count);
    }

    // Another game, for a camera that moves to it: the camera watches its
    // folder until the forms are unloaded.
    TestFolder otherGame{"vdrcam-game"};
};

}  // namespace

TEST_F(CaptureTest, StartUpLoadsTheSettingsHidesTheOptionsAndMakesTheFolder) {
    // A camera ended while saving left a scratch file there.
    CreateDirectoryA(Shots().c_str(), nullptr);
    WriteTestFile(Shots() + "\\_jpg_0.tmp", "half a JPEG");
    frmScreenshot.Show();
    EXPECT_EQ(frmScreenshot.Caption(), "VDR Camera");
    EXPECT_TRUE(frmOptions.IsLoaded());
    EXPECT_FALSE(frmOptions.IsVisible());
    EXPECT_FALSE(frmHelp.IsLoaded());
    EXPECT_EQ(PhotoNumber.GetType(), Variant::Type::Integer);
    EXPECT_EQ(PhotoNumber.Text(), "0");
    EXPECT_EQ(GameFolder.Text(), game.Path());
    // Gone with the first listing, once the window is up.
    EXPECT_TRUE(PumpUntil([&] { return ListFolder(Shots()).empty(); }));
    EXPECT_EQ(registry::Text(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder"), game.Path());
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(CaptureTest, ThreeButtonsAndAWindowThatIsNotResized) {
    frmScreenshot.Show();
    const char* names[] = {"ManualTake", "Options", "cmdRun"};
    const char* captions[] = {"Take ScreenShot Now", "Options", "Instructions"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(frmScreenshot[names[i]].Text(), captions[i]);
    }
    const LONG_PTR style = GetWindowLongPtrA(frmScreenshot.Hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
}

TEST_F(CaptureTest, AFolderWhoseParentIsMissingGetsNoPhotosAndTheCaptionSaysSo) {
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", shots / "no\\such");
    frmScreenshot.Show();
    EXPECT_FALSE(FileExists(shots / "no"));
    Photo();
    EXPECT_EQ(frmScreenshot.Caption(), CaptionFor({.notStored = NotStored::NoFolder}));
    EXPECT_FALSE(FileExists(ReplyPath(game.Path())));
    EXPECT_EQ(PhotoNumber.Text(), "0");
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(CaptureTest, PhotosAreStoredUpToTheLongestFolderThatLeavesRoomForTheirNames) {
    // "\_bmp_2147483647.bmp" is 20 characters, and no path of 260 or more opens.
    const std::string folder = MakeFolderOfLength(shots.Path(), 239);
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", folder);
    frmScreenshot.Show();
    SaveAsJpeg = 1;
    Photo();
    ASSERT_TRUE(PumpUntil([&] { return ListFolder(folder) == "0.jpg _bmp_0.bmp"; }));
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    // Longer, as a hand-edited registry may have it: Windows would fail at some name.
    ShotFolder = folder + "\\e";
    CreateDirectoryA(ShotFolder.Text().c_str(), nullptr);
    Photo();
    EXPECT_EQ(ListFolder(ShotFolder.Text()), "");
    EXPECT_EQ(frmScreenshot.Caption(), CaptionFor({.notStored = NotStored::TooLong}));
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
}

TEST_F(CaptureTest, TheCaptionTellsOfAReplyGivenUpAndOfAGameFolderTooLongUntilMended) {
    // The game holds its reply, shared with nobody, longer than the camera tries to write it.
    HANDLE held = CreateFileA(ReplyPath(game.Path()).c_str(), GENERIC_READ, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    frmScreenshot.Show();
    Photo();
    TestClock::Forward(ReplyFile::kPatience);
    Tick();
    EXPECT_EQ(frmScreenshot.Caption(), CaptionFor({.untold = "0"}));
    CloseHandle(held);
    Photo();
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
    EXPECT_EQ(frmScreenshot.Caption(), kMainCaption);
    // A game folder whose files' paths would be too long is not even looked in.
    const std::string tooLong = game / std::string(kLongestGameFolder - game.Path().size(), 'g');
    for (const char* folder : {"", "\\tidemark", "\\tidemark\\mdb"}) {
        CreateDirectoryA((tooLong + folder).c_str(), nullptr);
    }
    WriteTestFile(RequestPath(tooLong), "");
    GameFolder = tooLong;
    Tick(4);
    EXPECT_TRUE(FileExists(RequestPath(tooLong)));
    EXPECT_EQ(frmScreenshot.Caption(), CaptionFor({.gameFolder = FolderFault::TooLong}));
}

TEST_F(CaptureTest, FoldersStoredByHandAsRelativeNamesAreNotUsedAndTheCaptionSaysWhy) {
    char started[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, started);
    SetCurrentDirectoryA(shots.Path().c_str());
    const std::string relativeGame = shots / "rel";
    for (const char* folder : {"", "\\tidemark", "\\tidemark\\mdb"}) {
        CreateDirectoryA((relativeGame + folder).c_str(), nullptr);
    }
    WriteTestFile(RequestPath(relativeGame), "");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder", "rel");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", "relshots");
    frmScreenshot.Show();
    Tick(2);
    EXPECT_TRUE(FileExists(RequestPath(relativeGame)));
    EXPECT_EQ(frmScreenshot.Caption(), CaptionFor({.gameFolder = FolderFault::NotFull}));
    GameFolder = game.Path();
    Photo();
    EXPECT_EQ(frmScreenshot.Caption(), CaptionFor({.notStored = NotStored::NotFullPath}));
    EXPECT_EQ(ListFolder(shots.Path()), "rel");
    SetCurrentDirectoryA(started);
}

TEST_F(CaptureTest, NothingIsDeletedOrWrittenThroughALink) {
    TestFolder elsewhere{"vdrcam-elsewhere"};
    const std::string letter = elsewhere / "letter.txt";
    const std::string keep = elsewhere / "keep";
    CreateDirectoryA(keep.c_str(), nullptr);
    WriteTestFile(keep + "\\inside.txt", "kept");
    // From "tidemark\mdb" or the photo folder, both two below the temporary folder.
    const std::string up = "..\\..\\" + elsewhere.Path().substr(elsewhere.Path().rfind('\\') + 1);
    const std::string mdb = Mdb(), shotFolder = Shots();
    const struct {
        const char* name;
        std::string link;
        std::string target;
        bool toFolder;
        bool press;  // a link that is no request: the photo is asked for by the button
        const char* reply;
        const char* photos;
        CameraSigns signs;
    } links[] = {
        {"the request, to a file",
         mdb + "\\takePhoto.db",
         "..\\" + up + "\\letter.txt",
         false,
         false,
         "currentPhoto=0\r\n",
         "_bmp_0.bmp",
         {.leftAlone = LeftAlone::Link}},
        {"the request, to a file named in full",
         mdb + "\\takePhoto.db",
         letter,
         false,
         false,
         "currentPhoto=0\r\n",
         "_bmp_0.bmp",
         {.leftAlone = LeftAlone::Link}},
        {"the request, to a folder: no request",
         mdb + "\\takePhoto.db",
         keep,
         true,
         false,
         "",
         "",
         {.leftAlone = LeftAlone::Folder}},
        {"the reply, to a file",
         mdb + "\\currentPhoto.db",
         letter,
         false,
         true,
         "the letter",
         "_bmp_0.bmp",
         {.untold = "0"}},
        {"a photo's name, to a file",
         shotFolder + "\\_bmp_0.bmp",
         up + "\\letter.txt",
         false,
         true,
         "currentPhoto=1\r\n",
         "_bmp_0.bmp _bmp_1.bmp",
         {}},
        {"a photo's name, to a folder",
         shotFolder + "\\_bmp_0.bmp",
         keep,
         true,
         true,
         "currentPhoto=1\r\n",
         "_bmp_0.bmp _bmp_1.bmp",
         {}},
        {"a JPEG's name, to a file",
         shotFolder + "\\0.jpg",
         letter,
         false,
         true,
         "currentPhoto=1\r\n",
         "0.jpg 1.jpg _bmp_1.bmp",
         {}},
    };
    frmScreenshot.Show();
    for (const auto& example : links) {
        SCOPED_TRACE(example.name);
        WriteTestFile(letter, "the letter");
        CreateDirectoryA(shotFolder.c_str(), nullptr);
        if (!MakeSymbolicLink(example.link, example.target, example.toFolder)) {
            GTEST_SKIP() << "no symbolic links can be made here";
        }
        SaveAsJpeg = example.link.ends_with(".jpg") ? 1 : 0;
        if (example.press) {
            Photo();
        }
        Tick(3);
        PumpUntil([&] { return ListFolder(shotFolder) == example.photos; });
        TestClock::Forward(ReplyFile::kPatience);
        Tick(2);
        EXPECT_EQ(ReadTestFile(letter), "the letter");
        EXPECT_EQ(ListFolder(keep), "inside.txt");
        EXPECT_EQ(ReadTestFile(ReplyPath(game.Path())), example.reply);
        EXPECT_EQ(ListFolder(shotFolder), example.photos);
        EXPECT_EQ(frmScreenshot.Caption(), CaptionFor(example.signs));
        ASSERT_TRUE(RemoveSymbolicLink(example.link));
        DeleteFileA(ReplyPath(game.Path()).c_str());
        for (const char* name : {"\\_bmp_0.bmp", "\\_bmp_1.bmp", "\\0.jpg", "\\1.jpg"}) {
            DeleteFileA((shotFolder + name).c_str());
        }
        PhotoNumber = 0;
    }
}

TEST_F(CaptureTest, TheCaptionNamesAJpegNotMadeUntilOneIsMadeOrNoneAskedFor) {
    frmScreenshot.Show();
    ResizeShots = 1;
    const auto captionFor = [&](const char* width, const char* height, const char* caption) {
        ShotWidth = width;
        ShotHeight = height;
        Photo();
        EXPECT_TRUE(PumpUntil([&] { return frmScreenshot.Caption() == caption; }))
            << frmScreenshot.Caption();
    };
    captionFor("abc", "600", "VDR Camera - 0.jpg not made: the rescale size cannot be made");
    captionFor("12040", "12040", "VDR Camera - 1.jpg not made: the rescale size cannot be made");
    captionFor("64", "48", "VDR Camera");
    captionFor("abc", "600", "VDR Camera - 3.jpg not made: the rescale size cannot be made");
    ResizeShots = 0;  // JPEGs switched off: told between requests
    EXPECT_TRUE(PumpUntil([&] { return frmScreenshot.Caption() == "VDR Camera"; }));
    EXPECT_EQ(ListFolder(Shots()), "2.jpg _bmp_0.bmp _bmp_1.bmp _bmp_2.bmp _bmp_3.bmp");
}

TEST_F(CaptureTest, RequestsOfAnyContentAreServedOnceEach) {
    frmScreenshot.Show();
    WriteTestFile(Request(), "");
    ASSERT_TRUE(PumpUntil([&] { return !FileExists(Request()); }));
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    EXPECT_EQ(ListFolder(Shots()), "_bmp_0.bmp");
    WriteTestFile(Request(), "take 1");
    ASSERT_TRUE(PumpUntil([&] { return !FileExists(Request()); }));
    Tick(3);
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
    EXPECT_EQ(ListFolder(Shots()), "_bmp_0.bmp _bmp_1.bmp");
    EXPECT_EQ(PhotoNumber.Text(), "2");
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(CaptureTest, ARequestIsServedAtOnceWhereverTheWatchedFolderHasGone) {
    // The request folder made only after start, then another game folder
    // applied, then a drive that goes away and comes back.
    RemoveDirectoryA(Mdb().c_str());
    frmScreenshot.Show();
    // The timer ticks only when the test says so: the tick makes the watch,
    // and only a wake serves the request in time.
    SetTimer(frmScreenshot.Hwnd(), frmScreenshot["Timer1"].Id(), USER_TIMER_MAXIMUM, nullptr);
    int photos = 0;
    const auto servedAtOnce = [&](const std::string& gameFolder) {
        frmScreenshot.frmScreenshot_Timer1_Timer();
        WriteTestFile(RequestPath(gameFolder), "take 1");
        const bool served = PumpUntil([&] { return !FileExists(RequestPath(gameFolder)); });
        EXPECT_EQ(ReadTestFile(ReplyPath(gameFolder)),
                  "currentPhoto=" + std::to_string(photos++) + "\r\n");
        return served;
    };
    frmScreenshot.frmScreenshot_Timer1_Timer();
    CreateDirectoryA(Mdb().c_str(), nullptr);
    EXPECT_TRUE(servedAtOnce(game.Path()));

    InstallGame(otherGame);
    Click(frmScreenshot["Options"]);
    frmOptions["VeldrunFolderU"].SetText(otherGame.Path());
    Click(frmOptions["cmdApply"]);
    EXPECT_TRUE(servedAtOnce(otherGame.Path()));

    if (!small_disk::Available()) {
        GTEST_SKIP() << "no small disk to take away (mounting one needs root)";
    }
    const std::string onDisk = std::string(small_disk::kRoot) + "\\Game";
    const auto install = [&] {
        for (const char* folder : {"", "\\tidemark", "\\tidemark\\mdb"}) {
            CreateDirectoryA((onDisk + folder).c_str(), nullptr);
        }
    };
    install();
    GameFolder = onDisk;
    EXPECT_TRUE(servedAtOnce(onDisk));
    // Away, and back as a new disk: a watch on the old one is silent for good.
    ASSERT_TRUE(small_disk::GoAway());
    TestClock::Forward(
        std::chrono::seconds(1));  // a standing watch's folder is looked for once a second
    frmScreenshot.frmScreenshot_Timer1_Timer();
    ASSERT_TRUE(small_disk::ComeBack());
    install();
    EXPECT_TRUE(servedAtOnce(onDisk));
}

TEST_F(CaptureTest, WithoutARequestTicksTouchNoFile) {
    frmScreenshot.Show();
    Tick(6);
    EXPECT_EQ(ListFolder(game / "tidemark\\mdb"), "");
    EXPECT_EQ(ListFolder(Shots()), "");
}

TEST_F(CaptureTest, WrongGameFolderNeverSeesARequestAndSaysNothing) {
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder", game / "elsewhere");
    frmScreenshot.Show();
    WriteTestFile(Request(), "");
    Tick(6);
    EXPECT_TRUE(FileExists(Request()));
    EXPECT_EQ(ListFolder(Shots()), "");
    EXPECT_TRUE(boxes.Texts().empty());
    Photo();  // photos by hand still work
    EXPECT_EQ(ListFolder(Shots()), "_bmp_0.bmp");
}

TEST_F(CaptureTest, ManualPhotoRepliesAndLeavesAnExistingRequestForTheNextTick) {
    frmScreenshot.Show();
    Photo();
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    WriteTestFile(Request(), "");
    Photo();
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
    EXPECT_TRUE(FileExists(Request()));
    ASSERT_TRUE(PumpUntil([&] { return !FileExists(Request()); }));
    EXPECT_EQ(Reply(), "currentPhoto=2\r\n");
}

// Also run on two screens of different sizes, where the primary one is not the whole.
TEST_F(CaptureTest, PhotoIsTheWholeScreenWithItsPixels) {
    frmScreenshot.Show();
    ColourScreen red(RGB(255, 0, 0));
    // Under Wine the screen is copied in bands: the edge falls inside one.
    const int blueFrom = GetSystemMetrics(SM_CYVIRTUALSCREEN) * 3 / 4 + 5;
    ColourScreen blue(RGB(0, 0, 255), blueFrom);
    Photo();
    const BmpFacts facts = BmpFactsOf(ReadTestFile(Shots() + "\\_bmp_0.bmp"));
    EXPECT_EQ(facts.width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(facts.height, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(facts.bitsPerPixel, 32);
    EXPECT_TRUE(facts.fourthBytesZero);
    EXPECT_EQ(facts.centre, 0xFF0000u);
    EXPECT_EQ(facts.colourChanges, std::vector<int>{blueFrom});
}

TEST_F(CaptureTest, AClickDuringACaptureIsTakenAfterItAndNotInsideIt) {
    frmScreenshot.Show();
    // Queued now, delivered by the capture's own message pump after its reply.
    PostMessageA(frmScreenshot["ManualTake"].Hwnd(), BM_CLICK, 0, 0);
    frmScreenshot.frmScreenshot_ManualTake_Click();
    EXPECT_EQ(ListFolder(Shots()), "_bmp_0.bmp _bmp_1.bmp");
    EXPECT_EQ(PhotoNumber.Text(), "2");
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
    ui::DoEvents();  // nothing left queued
    EXPECT_EQ(PhotoNumber.Text(), "2");
}

TEST_F(CaptureTest, OptionsAndInstructionsOpenOneWindowEach) {
    frmScreenshot.Show();
    Click(frmScreenshot["Options"]);
    Click(frmScreenshot["Options"]);
    Click(frmScreenshot["cmdRun"]);
    Click(frmScreenshot["cmdRun"]);
    EXPECT_TRUE(frmOptions.IsVisible());
    EXPECT_TRUE(frmHelp.IsVisible());
    EXPECT_EQ(CountThreadWindowsTitled("VDR Camera Options"), 1);
    EXPECT_EQ(CountThreadWindowsTitled("VDR Camera Help"), 1);
}

TEST_F(CaptureTest, AnEndOfSessionCancelledKeepsServingAndOneThatHappensEndsTheProgram) {
    frmScreenshot.Show();
    Click(frmScreenshot["Options"]);
    const HWND main = frmScreenshot.Hwnd();
    SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageA(main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    WriteTestFile(Request(), "");
    Tick();
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    EXPECT_TRUE(IsWindowEnabled(frmScreenshot["ManualTake"].Hwnd()));
    EXPECT_TRUE(frmOptions.IsVisible());
    // Sent by a program that then leaves the process running.
    SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    ASSERT_EQ(ui::LoadedFormCount(), 0);
    EXPECT_EQ(ui::RunMessageLoop(), 0);
}

TEST_F(CaptureTest, ClosingTheMainWindowClosesTheOthersAndEndsTheProgram) {
    frmScreenshot.Show();
    Click(frmScreenshot["Options"]);
    Click(frmScreenshot["cmdRun"]);
    PostMessageA(frmScreenshot.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ui::RunMessageLoop(), 0);
    EXPECT_FALSE(frmScreenshot.IsLoaded());
    EXPECT_FALSE(frmOptions.IsLoaded());
    EXPECT_FALSE(frmHelp.IsLoaded());
    EXPECT_EQ(ui::LoadedFormCount(), 0);
}

TEST(ScreenCopy, AnEarlierBitmapOfAnotherSizeIsNotCopiedInto) {
    const SIZE screen{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    // The screen's resolution has changed since the earlier capture.
    for (const SIZE earlier : {SIZE{screen.cx, screen.cy + 8}, SIZE{screen.cx + 8, screen.cy}}) {
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), earlier.cx, earlier.cy, 1, 32, BI_RGB}};
        void* bits = nullptr;
        ui::UniqueBitmap copy = CopyScreen(
            ui::UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)));
        BITMAP shape{};
        ASSERT_TRUE(GetObjectA(copy.Get(), sizeof shape, &shape));
        EXPECT_EQ(shape.bmWidth, screen.cx);
        EXPECT_EQ(shape.bmHeight, screen.cy);
    }
}

TEST(FreeImageDll, AModuleDeeperThanMaxPathHasItsWholeFolder) {
    // Such paths need the wide functions and the "\\?\" prefix.
    const auto whole = [](const std::string& path) {
        return L"\\\\?\\" + std::wstring(path.begin(), path.end());
    };
    TestFolder base;
    std::string folder = base.Path();
    while (folder.size() <= MAX_PATH + 16) {
        folder += "\\" + std::string(60, 'd');
        CreateDirectoryW(whole(folder).c_str(), nullptr);
    }
    const std::string dll = folder + "\\FreeImage.dll";
    ASSERT_TRUE(CopyFileW(whole(driver::BinFolder() + "\\FreeImage.dll").c_str(),
                          whole(dll).c_str(), FALSE));
    HMODULE module = LoadLibraryW(whole(dll).c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(ModuleFolder(module), folder);  // not the folder that a cut path would name
    FreeLibrary(module);
    DeleteFileW(whole(dll).c_str());
    for (; folder.size() > base.Path().size(); folder.resize(folder.find_last_of('\\'))) {
        RemoveDirectoryW(whole(folder).c_str());
    }
}

namespace {

// A capture window whose photo always fails, to see how failures are met.
class FailingWindow : public CaptureWindow {
public:
    FailingWindow(ui::Form& options, Failure failure)
        : CaptureWindow({.name = "frmScreenshot", .clientWidth = 1500, .clientHeight = 1500}, {},
                        options, options, TestClock::Now),
          failure_(failure) {}
    void TakePhoto() override {
        ++attempts;
        Fail(failure_, "the screen could not be read");
    }
    Variant folder;
    int attempts = 0;

private:
    void OnLoad() override { StartCapturing(); }
    const Variant& GameFolderSetting() const override { return folder; }
    Failure failure_;
};

}  // namespace

TEST_F(CaptureTest, AFailedRequestIsReportedOnceAndNotRetried) {
    for (const Failure failure : kFailures) {
        const std::string report = Reported("TakePhoto", failure, "the screen could not be read");
        SCOPED_TRACE(report);
        boxes.Forget();
        ui::Form options({.name = "frmOther"});
        FailingWindow window(options, failure);
        window.folder = game.Path();
        int attemptsUnderTheBox = -1;
        boxes.WhileOpen([&](const std::string&) {
            if (attemptsUnderTheBox >= 0) {
                return;
            }
            // Ticks go on under the box and the game asks again: no capture starts meanwhile.
            WriteTestFile(Request(), "");
            Ticks([&] { window.frmScreenshot_Timer1_Timer(); }, 4);
            attemptsUnderTheBox = window.attempts;
        });
        WriteTestFile(Request(), "");
        window.Show();
        ASSERT_TRUE(PumpUntil([&] { return window.attempts >= 2; }));
        Ticks([&] { window.frmScreenshot_Timer1_Timer(); }, 3);
        EXPECT_EQ(attemptsUnderTheBox, 1);
        EXPECT_EQ(window.attempts, 2);  // one per request, and the second was not ignored
        ASSERT_EQ(boxes.Texts().size(), 2u);
        EXPECT_EQ(boxes.Texts()[0], report);
        EXPECT_FALSE(FileExists(Request()));
        window.frmScreenshot_ManualTake_Click();  // nor is a click
        EXPECT_EQ(window.attempts, 3);
        window.Unload();
        DiscardQuit();
    }
}

TEST_F(CaptureTest, ARequestThatCannotBeDeletedIsServedOnceAndAFolderNotAtAll) {
    frmScreenshot.Show();
    std::unique_ptr<Interference> theGame;
    const struct {
        const char* name;
        std::function<void()> make;
        std::function<void()> letGo;
        bool photographed;
        std::optional<LeftAlone> sign;  // while it stands
    } requests[] = {
        {"held open by the game",
         [&] { theGame = std::make_unique<Interference>("write-and-hold", 30000, Request()); },
         [&] { theGame->Stop(); }, true, std::nullopt},
        {"read-only",
         [&] {
             WriteTestFile(Request(), "take 1");
             SetFileAttributesA(Request().c_str(), FILE_ATTRIBUTE_READONLY);
         },
         [&] { SetFileAttributesA(Request().c_str(), FILE_ATTRIBUTE_NORMAL); }, true,
         LeftAlone::ReadOnly},
        {"a folder of that name", [&] { CreateDirectoryA(Request().c_str(), nullptr); },
         [&] { RemoveDirectoryA(Request().c_str()); }, false, LeftAlone::Folder},
    };
    int photos = 0;
    for (const auto& request : requests) {
        SCOPED_TRACE(request.name);
        request.make();
        photos += request.photographed;
        const std::string reply = "currentPhoto=" + std::to_string(photos - 1) + "\r\n";
        ASSERT_TRUE(PumpUntil([&] {
            return frmScreenshot.Caption() == CaptionFor({.leftAlone = request.sign}) &&
                   (!request.photographed || Reply() == reply);
        }));
        Tick(6);  // polls go on while the request stands
        EXPECT_TRUE(FileExists(Request()));
        request.letGo();
        ASSERT_TRUE(PumpUntil([&] { return !FileExists(Request()); }));  // deleted once it can be
        Tick(2);
        EXPECT_EQ(PhotoNumber.Text(), std::to_string(photos));
        EXPECT_EQ(frmScreenshot.Caption(), kMainCaption);
    }
    EXPECT_EQ(ListFolder(Shots()), "_bmp_0.bmp _bmp_1.bmp");
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(CaptureTest, SettingsAppliedDuringACaptureCountFromTheNextOne) {
    // Another photo folder, already holding a photo numbered 0, and another
    // game folder, whose own request waits.
    const std::string other = shots / "Other";
    CreateDirectoryA(other.c_str(), nullptr);
    WriteTestFile(other + "\\_bmp_0.bmp", "an earlier photo");
    frmScreenshot.Show();
    InstallGame(otherGame);
    const std::string waiting = RequestPath(otherGame.Path());
    WriteTestFile(waiting, "");
    Click(frmScreenshot["Options"]);
    frmOptions["ScreenDirU"].SetText(other);
    frmOptions["VeldrunFolderU"].SetText(otherGame.Path());
    WriteTestFile(Request(), "");
    // Queued now, the Apply arrives through the capture's own message pumps.
    PostMessageA(frmOptions["cmdApply"].Hwnd(), BM_CLICK, 0, 0);
    frmScreenshot.frmScreenshot_Timer1_Timer();
    EXPECT_FALSE(frmOptions.IsLoaded());  // applied while the capture ran
    EXPECT_EQ(ShotFolder.Text(), other);
    EXPECT_EQ(ListFolder(Shots()), "_bmp_0.bmp");
    EXPECT_EQ(ReadTestFile(other + "\\_bmp_0.bmp"), "an earlier photo");
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    EXPECT_FALSE(FileExists(Request()));  // the request served is the one deleted
    EXPECT_TRUE(FileExists(waiting));
    ASSERT_TRUE(PumpUntil([&] { return !FileExists(waiting); }));
    EXPECT_EQ(ListFolder(other), "_bmp_0.bmp _bmp_1.bmp");
    EXPECT_EQ(ReadTestFile(ReplyPath(otherGame.Path())), "currentPhoto=1\r\n");
}

TEST_F(CaptureTest, WithNoGameFolderTheButtonStillTakesPhotos) {
    registry::DeleteTree(HKEY_LOCAL_MACHINE, kGameKey);
    frmScreenshot.Show();
    EXPECT_EQ(GameFolder.Text(), "");
    Photo();
    EXPECT_EQ(ListFolder(Shots()), "_bmp_0.bmp");
    EXPECT_EQ(PhotoNumber.Text(), "1");
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(CaptureTest, AnOptionsWindowThatCannotLoadIsReportedAndTheCameraStillServes) {
    for (const Failure failure : kFailures) {
        const std::string report = Reported("frmOptions_Form_Load", failure, "no window handles");
        SCOPED_TRACE(report);
        boxes.Forget();
        FailingLoad options({.name = "frmOptions", .caption = "Broken Options"}, failure,
                            "no window handles");
        FrmHelp help(Edition::Current);
        FrmScreenshot window(options, help);
        GameFolder = game.Path();
        ShotFolder = Variant();
        // The game asks while start-up is held up by the report: no photo before it has finished.
        bool servedDuringStartUp = false;
        boxes.WhileOpen([&](const std::string&) {
            WriteTestFile(Request(), "");
            Ticks([&] { window.frmScreenshot_Timer1_Timer(); }, 3);
            servedDuringStartUp = !FileExists(Request());
        });
        window.Show();
        EXPECT_FALSE(servedDuringStartUp);
        EXPECT_TRUE(window.IsVisible());
        EXPECT_FALSE(options.IsLoaded());
        EXPECT_EQ(CountThreadWindowsTitled("Broken Options"), 0);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{report});
        EXPECT_EQ(ShotFolder.Text(), Shots());  // the settings, loaded without the window
        ASSERT_TRUE(PumpUntil([&] { return !FileExists(Request()); }));
        EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
        window.Unload();
        DiscardQuit();
        DeleteFileA((Shots() + "\\_bmp_0.bmp").c_str());
    }
}
