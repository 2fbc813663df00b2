#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../support/Host.h"
#include "../support/Pump.h"
#include "../support/RegistrySandbox.h"
#include "../support/SmallDisk.h"
#include "../support/WindowSuite.h"
#include "core/exchange/RequestFiles.h"
#include "core/photo/PhotoFiles.h"
#include "core/texts/OptionsTexts.h"
#include "programs/vdrcam/Forms.h"
#include "settings/Settings.h"

namespace {

class OptionsTest : public ProgramSuite<VdrcamForms> {
protected:
    void SetUp() override {
        WindowSuite::SetUp();
        SaveAsJpeg = Variant();
        ResizeShots = Variant();
    }
    // Opens the window with the given stored settings (none when empty).
    void Open(std::vector<std::pair<std::string, std::string>> stored = {}) {
        for (const auto& [name, text] : stored) {
            registry::SetText(HKEY_CURRENT_USER, kSettingsKey, name, text);
        }
        frmOptions.Show();
        written = Written();
        Sleep(20);  // a write from now on is seen as a later one, also on Windows' clock
    }

    ui::Control& Field(const char* name) { return frmOptions[name]; }
    void Type(const char* name, const std::string& text) { Field(name).SetText(text); }
    std::string Stored(const char* name) {
        return registry::Text(HKEY_CURRENT_USER, kSettingsKey, name).value_or("<missing>");
    }

    // When the camera's key or one of its values was last written.
    uint64_t Written() { return registry::Info(HKEY_CURRENT_USER, kSettingsKey).lastWrite; }
    uint64_t written = 0;
};

}  // namespace

TEST_F(OptionsTest, OpensWithTheStoredSettingsAndTheStandingHint) {
    Open({{"ScreenDir", shots.Path()}, {"WidthP", "800"}, {"HeightP", "600"}});
    EXPECT_EQ(frmOptions.Caption(), "VDR Camera Options");
    EXPECT_EQ(Field("VeldrunFolderU").Text(), game.Path());
    EXPECT_EQ(Field("ScreenDirU").Text(), shots.Path());
    EXPECT_EQ(Field("WidthU").Text(), "800");
    EXPECT_EQ(Field("HeightU").Text(), "600");
    EXPECT_EQ(Field("msgError").Text(), kPathHint);
    EXPECT_EQ(Field("VeldFolderWrong").Text(), "");
    EXPECT_EQ(Field("Label6").Text(), "");
    EXPECT_EQ(Field("Label7").Text(), "");
    EXPECT_EQ(Field("resizeU").Value(), 0);
    EXPECT_EQ(Field("AsJPEGU").Value(), 0);
    EXPECT_TRUE(Field("AsJPEGU").Enabled());
    EXPECT_EQ(Field("resizeU").Text(), "Resize Screenshots?");
    EXPECT_EQ(Field("AsJPEGU").Text(), "Compress to JPEG?");
}

TEST_F(OptionsTest, NoMinimiseOrMaximiseAndNoDefaultButton) {
    Open();
    const LONG_PTR style = GetWindowLongPtrA(frmOptions.Hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    // No default button: Enter in a field does not apply.
    EXPECT_EQ(SendMessageA(frmOptions.Hwnd(), DM_GETDEFID, 0, 0), 0);
    EXPECT_EQ(GetNextDlgTabItem(frmOptions.Hwnd(), nullptr, FALSE), Field("VeldrunFolderU").Hwnd());
}

TEST_F(OptionsTest, StoredResizeOpensWithBothBoxesCheckedAndJpegLocked) {
    Open({{"Resize", "1"}});
    EXPECT_EQ(Field("resizeU").Value(), 1);
    EXPECT_EQ(Field("AsJPEGU").Value(), 1);
    EXPECT_FALSE(Field("AsJPEGU").Enabled());
    Click(Field("resizeU"));
    EXPECT_EQ(Field("resizeU").Value(), 0);
    EXPECT_TRUE(Field("AsJPEGU").Enabled());
    EXPECT_EQ(Field("AsJPEGU").Value(), 1);  // left as it was
}

TEST_F(OptionsTest, AnApplyThatStopsChangesNoSetting) {
    TestFolder otherGame{"vdrcam-other-game"};
    const std::string other = otherGame.Path();
    // Each stop marks its fields, and only those: a later check is not reached.
    struct Stop {
        const char* name;
        std::string gameFolder, shotFolder, width, height, message, markers;
    };
    std::vector<Stop> stops = {
        {"at an empty width", other, shots.Path(), "", "", kWidthMissing, "Label6"},
        {"at an empty height", other, shots.Path(), "640", "", kHeightMissing, "Label7"},
        {"at a width no whole number", other, shots.Path(), "640.5", "1", kWidthNotWhole, "Label6"},
        {"at a height below 1", other, shots.Path(), "640", "0", kHeightNotWhole, "Label7"},
        {"at a size beyond any screen's", other, shots.Path(), "12040", "12040", kSizeTooLarge,
         "Label6 Label7"},
        {"at the game folder", game / "missing", shots.Path(), "640", "1", kGameFolderWrong,
         "VeldFolderWrong"},
        {"at a game folder too long for the exchange's files", std::string(231, 'g'), shots.Path(),
         "640", "1", "*Veldrun Folder: At Most 230 Characters", "VeldFolderWrong"},
        {"at a game folder named in part", "tidemark", shots.Path(), "640", "1", kGameFolderNotFull,
         "VeldFolderWrong"},
        {"at the screenshot folder", other, shots / "no\\such", "640", "1", kShotFolderNotMade,
         "ScreenDirWrong"},
        {"at a screenshot folder too long for the photos' names", other, std::string(240, 'd'),
         "640", "1", "*ScreenShot Dir: At Most 239 Characters", "ScreenDirWrong"},
        {"at a screenshot folder named in part", other, "C:shots2", "640", "1", kShotFolderNotFull,
         "ScreenDirWrong"},
        {"at a screenshot folder Windows would name otherwise", other, shots / "dots...", "640",
         "1", kShotFolderDotOrSpace, "ScreenDirWrong"},
    };
    if (RunningUnderWine()) {  // Linux's /proc: a folder no file can be made in
        stops.push_back({"at a screenshot folder that cannot be written", other, "Z:\\proc", "640",
                         "1", kShotFolderNotWritable, "ScreenDirWrong"});
    }
    // One that could be removed, and is the player's: Apply removes only a folder it made.
    const std::string noRoom = small_disk::FolderWithoutRoom();
    if (!noRoom.empty()) {
        stops.push_back({"at a screenshot folder on a disk with no room", other, noRoom, "640", "1",
                         kShotFolderNotWritable, "ScreenDirWrong"});
    }
    for (const auto& stop : stops) {
        SCOPED_TRACE(stop.name);
        Open({{"ScreenDir", shots.Path()}});
        Type("VeldrunFolderU", stop.gameFolder);
        Type("ScreenDirU", stop.shotFolder);
        Click(Field("resizeU"));
        Type("WidthU", stop.width);
        Type("HeightU", stop.height);
        Click(Field("cmdApply"));
        EXPECT_EQ(Field("msgError").Text(), stop.message);
        for (const char* marker : {"VeldFolderWrong", "ScreenDirWrong", "Label6", "Label7"}) {
            const bool marked = stop.markers.find(marker) != std::string::npos;
            EXPECT_EQ(Field(marker).Text(), marked ? "*" : "") << marker;
        }
        EXPECT_EQ(Written(), written);
        EXPECT_TRUE(frmOptions.IsLoaded());
        // Requests are still looked for, and photos stored, as before.
        EXPECT_EQ(GameFolder.Text(), game.Path());
        EXPECT_EQ(ShotFolder.Text(), shots.Path());
        EXPECT_EQ(SaveAsJpeg.Text(), "");
        EXPECT_TRUE(ResizeShots.Equals(0));
        EXPECT_EQ(ShotWidth.Text(), "1204");
        frmOptions.Unload();
    }
    EXPECT_EQ(ListFolder(shots.Path()), "");  // no folder made and then refused
    EXPECT_TRUE(noRoom.empty() || GetFileAttributesA(noRoom.c_str()) != INVALID_FILE_ATTRIBUTES);
}

TEST_F(OptionsTest, TheLongestFoldersThatLeaveRoomForTheirFilesAreTaken) {
    // "\tidemark\mdb\currentPhoto.db" and "\_bmp_2147483647.bmp" below them.
    const std::string gameFolder = MakeFolderOfLength(game.Path(), 230);
    const std::string shotFolder = MakeFolderOfLength(shots.Path(), 239);
    Open();
    Type("VeldrunFolderU", gameFolder);
    Type("ScreenDirU", shotFolder);
    Click(Field("cmdApply"));
    EXPECT_FALSE(frmOptions.IsLoaded());
    EXPECT_EQ(Stored("VeldrunFolder"), gameFolder);
    EXPECT_EQ(Stored("ScreenDir"), shotFolder);
}

TEST_F(OptionsTest, EmptyGameFolderIsIncorrect) {
    Open();
    Type("VeldrunFolderU", "");
    Click(Field("cmdApply"));
    EXPECT_EQ(Field("msgError").Text(), kGameFolderWrong);
    EXPECT_EQ(Field("VeldFolderWrong").Text(), "*");
}

TEST_F(OptionsTest, MarkersStayUntilTheWindowIsLoadedAgain) {
    Open();
    Click(Field("resizeU"));
    Type("WidthU", "");
    Click(Field("cmdApply"));
    Type("WidthU", "800");
    Type("VeldrunFolderU", game / "missing");
    Click(Field("cmdApply"));
    EXPECT_EQ(Field("Label6").Text(), "*");
    EXPECT_EQ(Field("VeldFolderWrong").Text(), "*");
    EXPECT_EQ(Field("msgError").Text(), kGameFolderWrong);
    frmOptions.Unload();
    frmOptions.Show();
    EXPECT_EQ(Field("Label6").Text(), "");
    EXPECT_EQ(Field("VeldFolderWrong").Text(), "");
    EXPECT_EQ(Field("msgError").Text(), kPathHint);
}

TEST_F(OptionsTest, ApplyStoresEverySettingAndCloses) {
    Open();
    Type("ScreenDirU", shots.Path());
    Click(Field("resizeU"));
    Type("WidthU", "800");
    Type("HeightU", "600");
    Click(Field("cmdApply"));
    const std::vector<std::pair<const char*, std::string>> expected = {
        {"ScreenDir", shots.Path()},
        {"VeldrunFolder", game.Path()},
        {"Change", "1"},
        {"Resize", "1"},
        {"WidthP", "800"},
        {"HeightP", "600"}};
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(Stored(name), text) << name;
    }
    EXPECT_FALSE(frmOptions.IsLoaded());
    EXPECT_EQ(GameFolder.Text(), game.Path());
    EXPECT_EQ(ShotFolder.Text(), shots.Path());
    EXPECT_TRUE(ResizeShots.Equals(1));
    EXPECT_TRUE(SaveAsJpeg.Equals(1));
    EXPECT_EQ(ShotWidth.Text(), "800");
    EXPECT_EQ(ShotHeight.Text(), "600");
    EXPECT_EQ(Stored("Change"), "1");
}

TEST_F(OptionsTest, ReopeningAfterApplyShowsTheStoredValues) {
    Open();
    Type("ScreenDirU", shots.Path());
    Type("WidthU", "1920");
    Click(Field("cmdApply"));
    frmOptions.Show();
    EXPECT_EQ(Field("ScreenDirU").Text(), shots.Path());
    EXPECT_EQ(Field("WidthU").Text(), "1920");
    EXPECT_EQ(Field("msgError").Text(), kPathHint);
}

TEST_F(OptionsTest, UncheckedBoxesClearTheirFlags) {
    SaveAsJpeg = 1;
    ResizeShots = 1;
    Open({{"ScreenDir", shots.Path()}});
    Type("WidthU", "1920");
    Click(Field("cmdApply"));
    EXPECT_TRUE(SaveAsJpeg.Equals(0));
    EXPECT_TRUE(ResizeShots.Equals(0));
    EXPECT_EQ(Stored("Resize"), "0");
    // A size typed is stored, but the capture has it only once photos are rescaled.
    EXPECT_EQ(Stored("WidthP"), "1920");
    EXPECT_EQ(ShotWidth.Text(), "1204");
}

TEST_F(OptionsTest, ResizeOffWithEmptyWidthStoresItEmptyAndTheNextLoadRestoresTheDefault) {
    Open({{"ScreenDir", shots.Path()}});
    Type("WidthU", "");
    Click(Field("cmdApply"));
    EXPECT_FALSE(frmOptions.IsLoaded());
    EXPECT_EQ(Stored("WidthP"), "");
    frmOptions.Show();
    EXPECT_EQ(Field("WidthU").Text(), "1204");
    EXPECT_EQ(Stored("WidthP"), "1204");
}

TEST_F(OptionsTest, MissingScreenshotFolderIsMadeThenAnnounced) {
    const std::string folder = shots / "New Photos";
    bool existedWhenAnnounced = false;
    boxes.WhileOpen([&](const std::string&) {
        existedWhenAnnounced = GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
    Open();
    Type("ScreenDirU", folder);
    Click(Field("cmdApply"));
    ASSERT_EQ(boxes.Texts(), std::vector<std::string>{folder + kFolderCreated});
    EXPECT_EQ(boxes.Buttons()[0], ui::Buttons::Ok);
    EXPECT_TRUE(existedWhenAnnounced);
    EXPECT_EQ(Stored("ScreenDir"), folder);
    EXPECT_EQ(ShotFolder.Text(), folder);
    EXPECT_FALSE(frmOptions.IsLoaded());
}

TEST_F(OptionsTest, ScreenshotFolderThatCannotBeMadeKeepsTheWindowOpen) {
    WriteTestFile(shots / "a file", "kept");
    for (const std::string& folder : {shots / "no\\such\\folder", shots / "a file"}) {
        SCOPED_TRACE(folder);
        Open({{"ScreenDir", shots.Path()}});
        const Variant before = ShotFolder;
        Type("ScreenDirU", folder);
        Click(Field("cmdApply"));
        EXPECT_TRUE(boxes.Texts().empty());
        EXPECT_EQ(Field("msgError").Text(), kShotFolderNotMade);
        EXPECT_EQ(Field("ScreenDirWrong").Text(), "*");
        EXPECT_EQ(Written(), written);
        EXPECT_TRUE(frmOptions.IsLoaded());
        EXPECT_EQ(ShotFolder.Text(), before.Text());
        frmOptions.Unload();
    }
    EXPECT_EQ(ReadTestFile(shots / "a file"), "kept");
}

TEST_F(OptionsTest, CancelAndTheCloseBoxStoreNothing) {
    Open({{"ScreenDir", shots.Path()}});
    Type("ScreenDirU", shots / "other");
    Click(Field("AsJPEGU"));
    Click(Field("cmdCancel"));
    EXPECT_FALSE(frmOptions.IsLoaded());
    frmOptions.Show();
    Type("ScreenDirU", shots / "other");
    SendMessageA(frmOptions.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(frmOptions.IsLoaded());
    EXPECT_EQ(Written(), written);
    EXPECT_EQ(ShotFolder.Text(), shots.Path());
    EXPECT_EQ(SaveAsJpeg.Text(), "");
}

TEST_F(OptionsTest, ShowingWhileLoadedKeepsTheEdits) {
    Open();
    Type("WidthU", "777");
    frmOptions.Hide();
    frmOptions.Show();
    EXPECT_EQ(Field("WidthU").Text(), "777");
    EXPECT_EQ(Written(), written);
}

TEST_F(OptionsTest, QuestionMarkExplainsTheFieldsInThreeLines) {
    Open();
    Click(Field("cmdHelp"));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0],
              std::string(kHelpGameFolder) + "\r" + kHelpShotFolder + "\r" + kHelpUninstall);
    EXPECT_EQ(boxes.Buttons()[0], ui::Buttons::Ok);
}

TEST_F(OptionsTest, UninstallAnsweredNoChangesNothing) {
    boxes.Queue(ui::Answer::No);
    Open();
    Click(Field("cmdRemoveReg"));
    ASSERT_EQ(boxes.Texts(), std::vector<std::string>{kUninstallQuestion});
    EXPECT_EQ(boxes.Buttons()[0], ui::Buttons::YesNo);
    EXPECT_TRUE(registry::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_TRUE(frmOptions.IsLoaded());
}

TEST_F(OptionsTest, UninstallAnsweredYesRemovesTheKeyAndClosesEverything) {
    boxes.Queue(ui::Answer::Yes);
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", shots.Path());
    frmScreenshot.Show();  // loads the options window hidden
    frmHelp.Show();
    frmOptions.Show();
    Click(Field("cmdRemoveReg"));
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{kUninstallQuestion, kUninstallDone}));
    EXPECT_FALSE(registry::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_FALSE(frmOptions.IsLoaded());
    EXPECT_FALSE(frmHelp.IsLoaded());
    EXPECT_FALSE(frmScreenshot.IsLoaded());
    EXPECT_EQ(ui::LoadedFormCount(), 0);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the program ends
}

TEST_F(OptionsTest, UninstallThatFailsSaysSoAndEndsNothing) {
    boxes.Queue(ui::Answer::Yes);
    registry::SetText(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\Locked", "x", "y");
    Open();
    Click(Field("cmdRemoveReg"));
    ASSERT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(boxes.Texts()[1], "VDRCamera could not be removed from Registery");
    EXPECT_TRUE(registry::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_TRUE(frmOptions.IsLoaded());
}

TEST_F(OptionsTest, AHandEditedResizeChecksTheBoxExactlyWhenPhotosAreRescaled) {
    const struct {
        const char* text;
        int box;
    } examples[] = {{" 1", 1}, {"01", 1}, {"1.0", 1}, {"2", 0}, {"abc", 0}, {"yes", 0}, {"0", 0}};
    for (const auto& example : examples) {
        Open({{"Resize", example.text}});
        EXPECT_EQ(Field("resizeU").Value(), example.box) << example.text;
        EXPECT_EQ(ResizeShots.Equals(1), example.box == 1) << example.text;
        EXPECT_EQ(ResizeShots.Text(), example.text);
        EXPECT_EQ(Stored("Resize"), example.text);
        frmOptions.Unload();
    }
}
