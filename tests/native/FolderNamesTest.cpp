#include <gtest/gtest.h>

#include "core/files/FileSystem.h"
#include "core/files/FolderNames.h"

TEST(FolderNames, OnlyAFullPathThatWindowsKeepsAsTypedIsAFolderOfItsOwn) {
    const struct {
        const char* folder;
        bool full;
        bool renamed;
    } folders[] = {
        {"C:\\ScreenShots", true, false},
        {"d:\\", true, false},
        {"C:\\Games\\..\\Shots", true, false},
        {"\\\\server\\share", true, false},
        {"\\\\server\\share\\Shots", true, false},
        {"shots", false, false},
        {"C:shots2", false, false},
        {"C:/fwd", false, false},
        {"C:\\Games/Veldrun", false, false},
        {"\\\\server", false, false},
        {"\\\\\\share", false, false},
        {"\\\\server\\\\Shots", false, false},
        {"\\Shots", false, false},
        {"", false, false},
        {"C:\\dots...", true, true},
        {"C:\\spaces   ", true, true},
        {"C:\\a.\\b", true, true},
        {"\\\\server\\share\\Shots.", true, true},
        {"C:\\Shots\\", true, false},
    };
    for (const auto& example : folders) {
        SCOPED_TRACE(example.folder);
        EXPECT_EQ(IsFullPath(example.folder), example.full);
        EXPECT_EQ(EndsANameInDotOrSpace(example.folder), example.renamed);
        EXPECT_EQ(FaultOf(example.folder, kLongestPath),
                  !example.full     ? std::optional(FolderFault::NotFull)
                  : example.renamed ? std::optional(FolderFault::DotOrSpace)
                                    : std::nullopt);
    }
    // As long as the limit is still short enough.
    EXPECT_EQ(FaultOf("C:\\Shots", 8), std::nullopt);
    EXPECT_EQ(FaultOf("C:\\Shots", 7), FolderFault::TooLong);
}
