#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "../support/Driver.h"
#include "../support/TestFolder.h"

// What the end-to-end suites share: the built programs, and a player's
// machine with the game installed in a test folder, the camera's settings
// not yet made and photos going to a test folder. The real programs use the
// real registry, so the suites run only in the build's Wine prefix.

std::string Built(const char* name);
bool Exists(const std::string& path);
// A value of the camera's own key, "<missing>" when it is not there as text.
std::string RegistryText(const char* name);
bool SettingsKeyExists();

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Mdb() const { return game / "tidemark\\mdb"; }
    std::string Request() const { return Mdb() + "\\takePhoto.db"; }
    std::string Reply() const { return ReadTestFile(Mdb() + "\\currentPhoto.db"); }
    void UseShotFolder();
    // Every photo also a JPEG of 6000 x 4000, which takes longer than a pass
    // of the game's script.
    void UseBigJpegs();

    HWND StartMain(driver::Program& program);
    // Presses "Options" in the main window and waits for the options window.
    HWND OpenOptions(const driver::Program& program, HWND main);
    bool WaitForFile(const std::string& path, DWORD milliseconds = 5000);
    SIZE Screen() const { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

    TestFolder game{"vdrcam-e2e-game"};
    TestFolder shots{"vdrcam-e2e-shots"};
};
