#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/Host.h"
#include "../support/ImageFiles.h"
#include "../support/Pump.h"
#include "../support/RegistrySandbox.h"
#include "../support/WindowSuite.h"
#include "core/exchange/RequestFiles.h"
#include "core/files/init.h"
#include "core/photo/PhotoFiles.h"
#include "core/settings/SettingsTable.h"
#include "core/texts/EarlyTexts.h"
#include "core/texts/HelpTexts.h"
#include "core/texts/OptionsTexts.h"
#include "early/EarlySettings.h"
#include "programs/vdrcam-early/Forms.h"

namespace {

class EarlyTest : public ProgramSuite<EarlyForms> {
protected:
    void SetUp() override {
        WindowSuite::SetUp();
        // Each test is a new run, which has loaded no folders yet.
        early::GameFolder = Variant();
        early::ShotFolder = Variant();
        // The first edition's start-up makes C:\ScreenShots, whatever was applied before.
        if (!MayUseTheDefaultShotFolder()) {
            GTEST_SKIP() << "would make C:\\ScreenShots on this Windows";
        }
    }

    // Starts the window and points its photos at the test folder.
    void Start() {
        frmScreenshot.Show();
        early::ShotFolder = shots.Path();
    }
    void Tick(int count = 1) {
        Ticks([&] { frmScreenshot.frmScreenshot_Timer1_Timer(); }, count);
    }
    std::string SizeText() const {
        return std::to_string(GetSystemMetrics(SM_CXSCREEN) * 15) + " by " +
               std::to_string(GetSystemMetrics(SM_CYSCREEN) * 15);
    }
};

}  // namespace

TEST_F(EarlyTest, StartUpWindowAndFolders) {
    Start();
    EXPECT_EQ(frmScreenshot.Caption(), "VDR Camera");
    EXPECT_TRUE(frmOptions.IsLoaded());
    EXPECT_FALSE(frmOptions.IsVisible());
    EXPECT_EQ(early::GameFolder.Text(), game.Path());
    EXPECT_EQ(frmScreenshot.Num, 0);
    EXPECT_FALSE(frmScreenshot["Picture1"].Visible());
    EXPECT_EQ(frmScreenshot["ManualTake"].Text(), "Take ScreenShot Now");
    EXPECT_THROW(frmScreenshot["picScreen"], std::out_of_range);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(EarlyTest, FirstCaptureWritesZeroBmpAndNoReply) {
    Start();
    Click(frmScreenshot["ManualTake"]);
    EXPECT_EQ(ListFolder(shots.Path()), "0.bmp");
    EXPECT_EQ(frmScreenshot.Num, 1);
    EXPECT_FALSE(FileExists(ReplyPath(game.Path())));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{SizeText()});
}

TEST_F(EarlyTest, EveryPhotoIsTheScreensPixelSize) {
    Start();
    Click(frmScreenshot["ManualTake"]);
    EXPECT_EQ(BmpFactsOf(ReadTestFile(shots / "0.bmp")).width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(BmpFactsOf(ReadTestFile(shots / "0.bmp")).height, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(EarlyTest, TheSizeBoxComesFirstAndNothingIsStoredUntilItCloses) {
    Start();
    std::string storedWhileOpen = "unset";
    boxes.WhileOpen([&](const std::string&) { storedWhileOpen = ListFolder(shots.Path()); });
    WriteTestFile(RequestPath(game.Path()), "");
    ASSERT_TRUE(PumpUntil([&] { return !FileExists(RequestPath(game.Path())); }));
    EXPECT_EQ(storedWhileOpen, "");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{SizeText()});
    EXPECT_EQ(ListFolder(shots.Path()), "0.bmp");
}

TEST_F(EarlyTest, NoFurtherCaptureStartsWhileTheSizeBoxIsOpen) {
    Start();
    std::string storedUnderTheSecondBox = "unset";
    boxes.WhileOpen([&](const std::string&) {
        if (boxes.Texts().size() == 1) {
            Tick(4);  // ticks with the request still there
            frmScreenshot.frmScreenshot_ManualTake_Click();
        } else {
            storedUnderTheSecondBox = ListFolder(shots.Path());
        }
    });
    WriteTestFile(RequestPath(game.Path()), "");
    ASSERT_TRUE(PumpUntil([&] { return !FileExists(RequestPath(game.Path())); }));
    Tick(3);
    // The click is the next photo, its box shown once the first photo is stored.
    EXPECT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(storedUnderTheSecondBox, "0.bmp");
    EXPECT_EQ(ListFolder(shots.Path()), "0.bmp 1.bmp");
}

TEST_F(EarlyTest, APhotoThatCannotBeSavedIsReportedOnceAndTheRequestDeleted) {
    Start();
    // One named in part, stored by hand, would be below wherever the camera was started.
    char started[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, started);
    SetCurrentDirectoryA(shots.Path().c_str());
    CreateDirectoryA((shots / "relshots").c_str(), nullptr);
    for (const std::string folder : {shots / "missing", std::string("relshots")}) {
        SCOPED_TRACE(folder);
        boxes.Forget();
        early::ShotFolder = folder;
        WriteTestFile(RequestPath(game.Path()), "");
        ASSERT_TRUE(PumpUntil([&] { return !FileExists(RequestPath(game.Path())); }));
        Tick(4);
        EXPECT_EQ(boxes.Texts(),
                  (std::vector<std::string>{
                      SizeText(), "The photo could not be saved as " + folder + "\\0.bmp"}));
        EXPECT_EQ(frmScreenshot.Num, 0);
        EXPECT_TRUE(frmScreenshot.IsLoaded());
    }
    EXPECT_EQ(ListFolder(shots / "relshots"), "");
    SetCurrentDirectoryA(started);
}

TEST_F(EarlyTest, WhenNoNumberIsLeftNothingIsStored) {
    Start();
    WriteTestFile(shots / "32767.bmp", "x");
    frmScreenshot.Num = 32767;
    Click(frmScreenshot["ManualTake"]);
    ASSERT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(boxes.Texts()[1],
              "No photo number is free: photos 0 to 32767 are all in the ScreenShot Dir");
    EXPECT_EQ(ListFolder(shots.Path()), "32767.bmp");
}

TEST_F(EarlyTest, OptionsWindowLoadsTheGameFolderAndTheDefaultShotFolder) {
    Start();
    Click(frmScreenshot["Options"]);
    EXPECT_EQ(frmOptions.Caption(), "VDR Camera Options");
    EXPECT_EQ(frmOptions["VeldrunFolderU"].Text(), game.Path());
    EXPECT_EQ(frmOptions["ScreenDirU"].Text(), "C:\\ScreenShots");
    EXPECT_EQ(frmOptions["msgError"].Text(), "");
    EXPECT_THROW(frmOptions["cmdRemoveReg"], std::out_of_range);
}

TEST_F(EarlyTest, ApplyWithAnEmptyGameFolderIsStopped) {
    Start();
    Click(frmScreenshot["Options"]);
    frmOptions["VeldrunFolderU"].SetText("");
    Click(frmOptions["cmdApply"]);
    EXPECT_EQ(frmOptions["msgError"].Text(), kGameFolderWrong);
    EXPECT_EQ(frmOptions["VeldFolderWrong"].Text(), "*");
    EXPECT_TRUE(frmOptions.IsVisible());
    EXPECT_EQ(early::GameFolder.Text(), game.Path());
}

TEST_F(EarlyTest, ApplyMakesAMissingShotFolderAndTheNextOpeningsShowBothTillCancelled) {
    Start();
    TestFolder otherGame{"vdrcam-other"};
    Click(frmScreenshot["Options"]);
    frmOptions["VeldrunFolderU"].SetText(otherGame.Path());
    frmOptions["ScreenDirU"].SetText(shots / "New");
    Click(frmOptions["cmdApply"]);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{shots / "New" + kFolderCreated});
    EXPECT_TRUE(FileExists(shots / "New"));
    EXPECT_FALSE(frmOptions.IsLoaded());
    EXPECT_EQ(early::GameFolder.Text(), otherGame.Path());
    EXPECT_EQ(early::ShotFolder.Text(), shots / "New");

    // The run keeps what was applied; a Cancel changes nothing.
    Click(frmScreenshot["Options"]);
    EXPECT_EQ(frmOptions["VeldrunFolderU"].Text(), otherGame.Path());
    EXPECT_EQ(frmOptions["ScreenDirU"].Text(), shots / "New");
    Click(frmOptions["cmdCancel"]);
    EXPECT_EQ(early::GameFolder.Text(), otherGame.Path());
    EXPECT_EQ(early::ShotFolder.Text(), shots / "New");
}

TEST_F(EarlyTest, ApplyWithAShotFolderThatCannotBeMadeKeepsTheWindowOpen) {
    Start();
    TestFolder otherGame{"vdrcam-other"};
    // This edition's names are shorter ("\\32767.bmp"), so its folders may be longer.
    const std::pair<std::string, std::string> refused[] = {
        {shots / "no\\such", kShotFolderNotMade},
        {std::string(250, 'd'), "*ScreenShot Dir: At Most 249 Characters"},
    };
    for (const auto& [folder, message] : refused) {
        Click(frmScreenshot["Options"]);
        frmOptions["VeldrunFolderU"].SetText(otherGame.Path());
        frmOptions["ScreenDirU"].SetText(folder);
        Click(frmOptions["cmdApply"]);
        EXPECT_TRUE(boxes.Texts().empty());
        EXPECT_EQ(frmOptions["msgError"].Text(), message);
        EXPECT_EQ(frmOptions["ScreenDirWrong"].Text(), "*");
        EXPECT_TRUE(frmOptions.IsLoaded());
        EXPECT_EQ(early::GameFolder.Text(), game.Path());  // an Apply that stops changes nothing
        frmOptions.Unload();
    }
    const std::string longest = MakeFolderOfLength(shots.Path(), 249);
    Click(frmScreenshot["Options"]);
    frmOptions["ScreenDirU"].SetText(longest);
    Click(frmOptions["cmdApply"]);
    EXPECT_FALSE(frmOptions.IsLoaded());
    EXPECT_EQ(early::ShotFolder.Text(), longest);
}

TEST_F(EarlyTest, ARequestThatCannotBeDeletedBringsOneSizeBox) {
    Start();
    const std::string request = RequestPath(game.Path());
    WriteTestFile(request, "take 1");
    SetFileAttributesA(request.c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(PumpUntil([&] { return FileExists(shots / "0.bmp"); }));
    Tick(15);  // a script's whole pass
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{SizeText()});
    EXPECT_EQ(ListFolder(shots.Path()), "0.bmp");
    SetFileAttributesA(request.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(PumpUntil([&] { return !FileExists(request); }));
}

TEST_F(EarlyTest, AFolderAppliedUnderTheSizeBoxCountsFromTheNextPhoto) {
    Start();
    const std::string other = shots / "Other";
    CreateDirectoryA(other.c_str(), nullptr);
    WriteTestFile(other + "\\0.bmp", "an earlier photo");
    Click(frmScreenshot["Options"]);
    frmOptions["ScreenDirU"].SetText(other);
    boxes.WhileOpen([&](const std::string&) {
        if (frmOptions.IsLoaded()) {
            Click(frmOptions["cmdApply"]);
        }
    });
    Click(frmScreenshot["ManualTake"]);
    EXPECT_EQ(early::ShotFolder.Text(), other);
    EXPECT_EQ(ListFolder(shots.Path()), "0.bmp Other");
    EXPECT_EQ(ReadTestFile(other + "\\0.bmp"), "an earlier photo");
    Click(frmScreenshot["ManualTake"]);
    EXPECT_EQ(ListFolder(other), "0.bmp 1.bmp");
}

TEST_F(EarlyTest, QuestionMarkShowsTwoLines) {
    Start();
    Click(frmScreenshot["Options"]);
    Click(frmOptions["cmdHelp"]);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kEarlyHelpText});
}

TEST_F(EarlyTest, HelpSaysGetInsteadOfKey) {
    Start();
    Click(frmScreenshot["cmdRun"]);
    EXPECT_EQ(frmHelp["lblDescription"].Text(), InstructionText("\"", Edition::First));
}

TEST_F(EarlyTest, AWholeSessionLeavesTheRegistryAlone) {
    Start();
    Click(frmScreenshot["ManualTake"]);
    Click(frmScreenshot["Options"]);
    frmOptions["ScreenDirU"].SetText(shots.Path());
    Click(frmOptions["cmdApply"]);
    Click(frmScreenshot["Options"]);
    Click(frmOptions["cmdCancel"]);
    Click(frmScreenshot["cmdRun"]);
    WriteTestFile(RequestPath(game.Path()), "");
    ASSERT_TRUE(PumpUntil([&] { return !FileExists(RequestPath(game.Path())); }));
    frmScreenshot.Unload();
    EXPECT_FALSE(registry::KeyExists(HKEY_CURRENT_USER, "Software\\VDRCamera"));
    EXPECT_FALSE(registry::KeyExists(HKEY_CURRENT_USER, "Software"));
    EXPECT_EQ(registry::Text(HKEY_LOCAL_MACHINE, kGameKey, "MAIN"), game.Path());
    EXPECT_EQ(registry::Info(HKEY_LOCAL_MACHINE, kGameKey).values, 1u);
}
