#pragma once

#include <gtest/gtest.h>

#include <string>

#include "MessageBoxes.h"
#include "TestClock.h"
#include "TestFolder.h"

// The base of the suites that drive the programs' windows in this process:
// a clean scratch registry, the game installed in a scratch folder with its
// "tidemark\mdb", message boxes answered, and every window unloaded after
// each test.
class WindowSuite : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Mdb() const { return game / "tidemark\\mdb"; }

    MessageBoxes boxes;
    TestFolder game{"vdrcam-game"};
    TestFolder shots{"vdrcam-shots"};
};

// A window suite with a program's forms, made once for the test program as
// the program makes them, on the test's clock.
template <typename Forms>
class ProgramSuite : public WindowSuite {
protected:
    static Forms& TheForms() {
        static Forms forms{TestClock::Now};
        return forms;
    }

    decltype(Forms::frmOptions)& frmOptions = TheForms().frmOptions;
    decltype(Forms::frmHelp)& frmHelp = TheForms().frmHelp;
    decltype(Forms::frmScreenshot)& frmScreenshot = TheForms().frmScreenshot;
};
