#include <gtest/gtest.h>

#include "core/photo/JpegExport.h"
#include "core/photo/PhotoFiles.h"
#include "core/photo/ScreenRoute.h"

TEST(JpegSizes, PossibleSizes) {
    EXPECT_TRUE(IsPossibleSize({1, 1}));
    EXPECT_TRUE(IsPossibleSize({1204, 1204}));
    EXPECT_TRUE(IsPossibleSize({65500, 100}));
    EXPECT_TRUE(IsPossibleSize({7680, 4320}));  // as many pixels as any screen gives
    EXPECT_FALSE(IsPossibleSize({0, 600}));
    EXPECT_FALSE(IsPossibleSize({800, -1}));
    EXPECT_FALSE(IsPossibleSize({65501, 100}));
    EXPECT_FALSE(IsPossibleSize({7681, 4320}));
}

TEST(ScreenRoute, PrintScreenOnlyWhereTheKeyGivesThePictureAndOpensNothingElse) {
    for (int facts = 0; facts < 8; ++facts) {
        const PrintScreenFacts what{.givesAPicture = (facts & 1) != 0,
                                    .opensSnipping = (facts & 2) != 0,
                                    .heldByAnother = (facts & 4) != 0};
        EXPECT_EQ(RouteFor(what), facts == 1 ? ScreenRoute::PrintScreen : ScreenRoute::DirectCopy)
            << facts;
    }
}
