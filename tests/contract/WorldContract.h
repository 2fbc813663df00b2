#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "../support/WorldHands.h"

// A side of the world's contract: the model (as Wine or as Windows has it)
// or the system's own files.
struct WorldSide {
    const char* name;
    std::function<std::unique_ptr<WorldHands>()> make;
};

class WorldContract : public ::testing::TestWithParam<WorldSide> {
protected:
    void SetUp() override { hands = GetParam().make(); }
    std::unique_ptr<WorldHands> hands;
};
