#include <gtest/gtest.h>

#include "../support/Driver.h"

// Linked last, so it runs after every other end-to-end test.
TEST(EndToEndAfterwards, NoProgramIsLeftRunning) {
    EXPECT_FALSE(driver::ProcessRunning("vdrcam.exe"));
    EXPECT_FALSE(driver::ProcessRunning("vdrcam-early.exe"));
    EXPECT_FALSE(driver::ProcessRunning("gamesim.exe"));
}
