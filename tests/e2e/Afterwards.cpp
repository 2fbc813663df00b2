#include <gtest/gtest.h>

#include "../support/Driver.h"

namespace {

// Once every end-to-end test has run, no program they started may be left.
class NoProgramLeftRunning : public ::testing::Environment {
public:
    void TearDown() override {
        EXPECT_FALSE(driver::ProcessRunning("vdrcam.exe"));
        EXPECT_FALSE(driver::ProcessRunning("vdrcam-early.exe"));
        EXPECT_FALSE(driver::ProcessRunning("gamesim.exe"));
        EXPECT_FALSE(driver::ProcessRunning("interferer.exe"));
    }
};

const auto* const kAfterwards = ::testing::AddGlobalTestEnvironment(new NoProgramLeftRunning);

}  // namespace
