#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/RegistrySandbox.h"
#include "../support/WindowSuite.h"
#include "core/files/init.h"
#include "core/texts/GameScript.h"
#include "help/SysInfo.h"
#include "help/frmHelp.h"
#include "ui/MessagePump.h"

namespace {

FrmHelp frmHelp(Edition::Current);

std::string ProbeProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\')) + "\\sysinfo_probe.exe";
}

// Waits for a started probe to leave its mark, the command line it was given.
bool Ran(const std::string& program) {
    for (int i = 0; i < 100; ++i) {
        if (!ReadTestFile(program + ".ran").empty()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

class HelpTest : public WindowSuite {
protected:
    std::string PlaceProbe(const std::string& path) {
        EXPECT_TRUE(CopyFileA(ProbeProgram().c_str(), path.c_str(), FALSE)) << path;
        return path;
    }

    TestFolder folder{"vdrcam-sysinfo"};
};

}  // namespace

TEST_F(HelpTest, LoadSetsTheCaptionAndBuildsTheInstructions) {
    frmHelp.Show();
    EXPECT_EQ(frmHelp.Caption(), kHelpCaption);
    EXPECT_EQ(frmHelp["quote"].Text(), "\"");
    EXPECT_EQ(frmHelp["lblDescription"].Text(), InstructionText("\"", Edition::Current));
    EXPECT_EQ(frmHelp["frmScript"].Text(), std::string(kGameScript));
    EXPECT_EQ(frmHelp["cmdSysInfo"].Text(), "&System Info...");
}

TEST_F(HelpTest, FixedDialogWithoutTaskbarButtonAndAScrollingScript) {
    frmHelp.Show();
    EXPECT_FALSE(GetWindowLongPtrA(frmHelp.Hwnd(), GWL_STYLE) &
                 (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_NE(GetWindow(frmHelp.Hwnd(), GW_OWNER), nullptr);
    const LONG_PTR script = GetWindowLongPtrA(frmHelp["frmScript"].Hwnd(), GWL_STYLE);
    EXPECT_TRUE(script & ES_MULTILINE);
    EXPECT_TRUE(script & WS_VSCROLL);
    EXPECT_FALSE(script & ES_READONLY);
    EXPECT_EQ(GetFocus(), frmHelp["cmdOK"].Hwnd());
}

TEST_F(HelpTest, EnterAndEscapeBothClose) {
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        frmHelp.Show();
        PostMessageA(frmHelp["frmScript"].Hwnd(), WM_KEYDOWN, key, 0);
        ui::DoEvents();
        EXPECT_FALSE(frmHelp.IsLoaded()) << key;
    }
}

TEST_F(HelpTest, ShowingTwiceGivesOneWindowAndKeepsEditsUntilUnloaded) {
    frmHelp.Show();
    const HWND first = frmHelp.Hwnd();
    frmHelp["frmScript"].SetText("edited");
    frmHelp.Show();
    EXPECT_EQ(frmHelp.Hwnd(), first);
    EXPECT_EQ(frmHelp["frmScript"].Text(), "edited");
    SendMessageA(frmHelp["cmdOK"].Hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(frmHelp.IsLoaded());
    frmHelp.Show();
    EXPECT_EQ(frmHelp["frmScript"].Text(), std::string(kGameScript));
}

TEST_F(HelpTest, AltSPressesSystemInfo) {
    frmHelp.Show();
    PostMessageA(frmHelp["cmdOK"].Hwnd(), WM_SYSCHAR, 's', 1 << 29);
    ui::DoEvents();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kSysInfoUnavailable});
    EXPECT_TRUE(frmHelp.IsLoaded());
}

TEST_F(HelpTest, GetKeyValueReadsStringsWithExactlyOneZeroDropped) {
    std::string value;
    registry::SetRaw(HKEY_LOCAL_MACHINE, kToolKey, "A", REG_SZ, std::string("C:\\x.exe\0", 9));
    EXPECT_TRUE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "A", value));
    EXPECT_EQ(value, "C:\\x.exe");
    registry::SetRaw(HKEY_LOCAL_MACHINE, kToolKey, "B", REG_SZ, "C:\\x.exe");
    EXPECT_TRUE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "B", value));
    EXPECT_EQ(value, "C:\\x.exe");
    registry::SetRaw(HKEY_LOCAL_MACHINE, kToolKey, "C", REG_SZ, std::string("ab\0\0", 4));
    EXPECT_TRUE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "C", value));
    EXPECT_EQ(value, std::string("ab\0", 3));
}

TEST_F(HelpTest, GetKeyValueReadsNumbersAndLeavesOtherTypes) {
    std::string value = "unchanged";
    registry::SetDword(HKEY_LOCAL_MACHINE, kToolKey, "N", 123456);
    EXPECT_TRUE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "N", value));
    EXPECT_EQ(value, "123456");
    registry::SetDword(HKEY_LOCAL_MACHINE, kToolKey, "Big", 0x80000001u);
    EXPECT_TRUE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "Big", value));
    EXPECT_EQ(value, "2147483649");
    value = "unchanged";
    registry::SetRaw(HKEY_LOCAL_MACHINE, kToolKey, "E", REG_EXPAND_SZ, std::string("%x%\0", 4));
    EXPECT_TRUE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "E", value));
    EXPECT_EQ(value, "unchanged");
}

TEST_F(HelpTest, GetKeyValueMissingOrTooLongIsFalseAndEmpty) {
    std::string value = "old";
    EXPECT_FALSE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nothing", "PATH", value));
    EXPECT_EQ(value, "");
    value = "old";
    registry::SetText(HKEY_LOCAL_MACHINE, kToolKey, "Other", "x");
    EXPECT_FALSE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "PATH", value));
    EXPECT_EQ(value, "");
    value = "old";
    registry::SetText(HKEY_LOCAL_MACHINE, kToolKey, "Long", std::string(1500, 'L'));
    EXPECT_FALSE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "Long", value));
    EXPECT_EQ(value, "");
    registry::SetText(HKEY_LOCAL_MACHINE, kToolKey, "Edge", std::string(1023, 'E'));
    EXPECT_TRUE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "Edge", value));
    EXPECT_EQ(value, std::string(1023, 'E'));
}

TEST_F(HelpTest, GetKeyValueWithoutDataIsThereAndEmpty) {
    std::string value = "before";
    registry::SetRaw(HKEY_LOCAL_MACHINE, kToolKey, "PATH", REG_SZ, "");
    EXPECT_TRUE(frmHelp.GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, "PATH", value));
    EXPECT_EQ(value, "");  // so System Information names nothing to start, and says so
}

TEST_F(HelpTest, SysInfoStartsTheProgramThatPathNames) {
    const std::string tool = PlaceProbe(folder / "msinfo32.exe");
    registry::SetText(HKEY_LOCAL_MACHINE, kToolKey, "PATH", tool);
    frmHelp.StartSysInfo();
    EXPECT_TRUE(Ran(tool));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(HelpTest, SysInfoPathNamingNothingStartableDoesNotTryTheFolderKey) {
    const std::string folderTool = PlaceProbe(folder / "MSINFO32.EXE");
    registry::SetText(HKEY_LOCAL_MACHINE, kToolKey, "PATH", folder / "missing.exe");
    registry::SetText(HKEY_LOCAL_MACHINE, kToolFolderKey, "MSINFO", folder.Path());
    frmHelp.StartSysInfo();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kSysInfoUnavailable});
    EXPECT_EQ(boxes.Buttons()[0], ui::Buttons::Ok);
    Sleep(300);
    EXPECT_FALSE(FileExists(folderTool + ".ran"));
}

TEST_F(HelpTest, SysInfoFallsBackToTheToolsFolder) {
    const std::string tool = PlaceProbe(folder / "MSINFO32.EXE");
    registry::SetText(HKEY_LOCAL_MACHINE, kToolFolderKey, "MSINFO", folder.Path());
    frmHelp.StartSysInfo();
    EXPECT_TRUE(Ran(tool));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(HelpTest, SysInfoUnavailableWithoutTheToolOrTheKeys) {
    frmHelp.StartSysInfo();  // neither key
    registry::SetText(HKEY_LOCAL_MACHINE, kToolFolderKey, "MSINFO", folder.Path());
    frmHelp.StartSysInfo();  // folder without the tool
    registry::SetRaw(HKEY_LOCAL_MACHINE, kToolKey, "PATH", REG_EXPAND_SZ,
                     std::string("C:\\x\0", 5));
    frmHelp.StartSysInfo();  // other type: true with no text
    registry::SetRaw(HKEY_LOCAL_MACHINE, kToolKey, "PATH", REG_SZ, "");
    frmHelp.StartSysInfo();  // no data at all
    // A hidden or system file of the tool's name is no tool to start.
    registry::DeleteTree(HKEY_LOCAL_MACHINE, kToolKey);
    for (const DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        const std::string tool = PlaceProbe(folder / "MSINFO32.EXE");
        SetFileAttributesA(tool.c_str(), attribute);
        frmHelp.StartSysInfo();
        Sleep(300);
        EXPECT_FALSE(FileExists(tool + ".ran"));
        SetFileAttributesA(tool.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(6, kSysInfoUnavailable));
}

TEST_F(HelpTest, SysInfoPathWithSpacesStartsExactlyThatProgram) {
    CreateDirectoryA((folder / "System Tools").c_str(), nullptr);
    const std::string tool = PlaceProbe(folder / "System Tools\\msinfo32.exe");
    // What an unquoted command line would start instead.
    const std::string decoy = PlaceProbe(folder / "System.exe");
    registry::SetText(HKEY_LOCAL_MACHINE, kToolKey, "PATH", tool);
    frmHelp.StartSysInfo();
    EXPECT_TRUE(Ran(tool));
    EXPECT_EQ(ReadTestFile(tool + ".ran"), "\"" + tool + "\"");  // its own name, whole
    EXPECT_FALSE(FileExists(decoy + ".ran"));
    EXPECT_TRUE(boxes.Texts().empty());
}
