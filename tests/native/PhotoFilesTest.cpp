#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/TestFolder.h"
#include "Pictures.h"
#include "core/photo/JpegExport.h"
#include "core/photo/PhotoFiles.h"
#include "core/photo/ScreenRoute.h"

TEST(PhotoNumbers, EachEditionStoresUnderTheFirstNumberNoPhotoHoldsUpToItsLast) {
    const struct {
        const char* name;
        const PhotoNaming& naming;
        std::vector<std::string> present;
        int32_t from;
        std::vector<int32_t> stored;  // three photos in a row; -1: no number left
    } cases[] = {
        {"current, gaps filled",
         kCurrentPhotos,
         {"_bmp_0.bmp", "_bmp_1.bmp", "_bmp_3.bmp"},
         0,
         {2, 4, 5}},
        {"current, a JPEG holds its number",
         kCurrentPhotos,
         {"0.jpg", "_bmp_1.bmp", "2.bmp"},
         0,
         {2, 3, 4}},
        {"first edition, only its own names",
         kEarlyPhotos,
         {"0.bmp", "2.bmp", "1.jpg", "_bmp_1.bmp", "1.tmp", "3.tmp"},
         0,
         {1, 3, 4}},
        {"first edition, up to 32767", kEarlyPhotos, {}, 32766, {32766, 32767, -1}},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        TestFolder folder;
        for (const std::string& name : example.present) {
            WriteTestFile(folder / name, "x");
        }
        std::vector<int32_t> stored;
        for (int32_t next = example.from; stored.size() < 3;) {
            const NumberedPhoto photo =
                StoreUnderFreeNumber(Picture(8, 8), example.naming, folder.Path(), next);
            stored.push_back(photo.placed == Placed::Done ? photo.number : -1);
            EXPECT_EQ(photo.placed == Placed::NameTaken, stored.back() < 0);
            next = photo.number + 1;
        }
        EXPECT_EQ(stored, example.stored);
        for (const int32_t number : example.stored) {
            EXPECT_TRUE(number < 0 || Inspect(example.naming.bitmap(folder.Path(), number)));
        }
    }
}

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
