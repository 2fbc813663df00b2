#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "../contract/WorldContract.h"
#include "../support/SystemHands.h"
#include "../support/TestFolder.h"
#include "core/exchange/RequestFiles.h"
#include "core/exchange/RequestWatch.h"
#include "core/exchange/SystemWorld.h"
#include "core/files/FileSystem.h"
#include "core/files/init.h"
#include "core/photo/PhotoFiles.h"

TEST(FileExists, AnswersForFilesAndFoldersNeverFails) {
    TestFolder folder;
    WriteTestFile(folder / "empty.db", "");
    WriteTestFile(folder / "full.db", "take 1");
    EXPECT_TRUE(FileExists(folder / "empty.db"));
    EXPECT_TRUE(FileExists(folder / "full.db"));
    EXPECT_TRUE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder / "missing.db"));
    EXPECT_FALSE(FileExists(folder / "no\\such\\folder\\file.db"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(folder / "bad*name"));
    EXPECT_FALSE(FileExists(folder / "bad|name"));
    EXPECT_FALSE(FileExists("Q:\\surely\\not\\here"));
    EXPECT_FALSE(FileExists(std::string(1000, 'x')));
}

TEST(FileSystem, MakeFolderMakesOneLevelOnly) {
    TestFolder folder;
    EXPECT_TRUE(MakeFolder(folder / "Shots"));
    EXPECT_TRUE(FileExists(folder / "Shots"));
    EXPECT_FALSE(MakeFolder(folder / "Shots"));  // already there
    EXPECT_FALSE(MakeFolder(folder / "a\\b"));
    EXPECT_FALSE(FileExists(folder / "a"));
    EXPECT_FALSE(MakeFolder(""));
}

TEST(FileSystem, WriteMoveAndRemove) {
    TestFolder folder;
    EXPECT_TRUE(WriteWholeFile(folder / "a.txt", {"long contents"}));
    EXPECT_TRUE(WriteWholeFile(folder / "a.txt", {"short"}));
    EXPECT_EQ(ReadTestFile(folder / "a.txt"), "short");
    // The move never replaces a file, whichever code this Windows gives for a taken name.
    EXPECT_TRUE(WriteWholeFile(folder / "b.txt", {"new"}));
    EXPECT_EQ(MoveIntoFreeName(folder / "b.txt", folder / "a.txt"), Placed::NameTaken);
    EXPECT_EQ(ReadTestFile(folder / "a.txt"), "short");
    EXPECT_EQ(MoveIntoFreeName(folder / "b.txt", folder / "c.txt"), Placed::Done);
    EXPECT_EQ(ReadTestFile(folder / "c.txt"), "new");
    EXPECT_FALSE(FileExists(folder / "b.txt"));
    EXPECT_EQ(MoveIntoFreeName(folder / "b.txt", folder / "d.txt"), Placed::Failed);
    EXPECT_TRUE(RemoveFile(folder / "a.txt"));
    EXPECT_FALSE(RemoveFile(folder / "a.txt"));
    EXPECT_FALSE(WriteWholeFile(folder / "missing\\c.txt", {"x"}));
}

TEST(FileSystem, WritesWhileAReaderHoldsTheFileOpen) {
    TestFolder folder;
    const std::string path = folder / "currentPhoto.db";
    WriteTestFile(path, "currentPhoto=0\r\n");
    // The C runtime's fopen for reading shares read and write.
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(WriteWholeFile(path, {"currentPhoto=1\r\n"}));
    CloseHandle(reader);
    EXPECT_EQ(ReadTestFile(path), "currentPhoto=1\r\n");
}

TEST(FileSystem, ScratchFilesLeftByAnEarlierRunGoButNotOneStillBeingWritten) {
    const struct {
        const PhotoNaming& naming;
        const char* left;     // what an earlier run, or the player, left
        const char* writing;  // a scratch file still being written
        const char* kept;
    } editions[] = {
        {kCurrentPhotos, "_bmp_3.tmp _jpg_0.tmp _jpg_12.tmp 7.tmp _bmp_x.tmp notes.tmp 5.bmp",
         "_jpg_5.tmp", "5.bmp 7.tmp _bmp_x.tmp _jpg_5.tmp notes.tmp"},
        // Another program's "N.tmp", as GetTempFileName makes them, is its own.
        {kEarlyPhotos, "12.bm~ 1.tmp 42.tmp 0000000007.tmp _jpg_0.tmp 3a.bm~", "5.bm~",
         "0000000007.tmp 1.tmp 3a.bm~ 42.tmp 5.bm~ _jpg_0.tmp"},
    };
    for (const auto& edition : editions) {
        TestFolder folder;
        std::istringstream names(edition.left);
        for (std::string name; names >> name;) {
            WriteTestFile(folder / name, "x");
        }
        // Written as FreeImage and the bitmap writer write, sharing no deletion.
        HANDLE writing =
            CreateFileA((folder / edition.writing).c_str(), GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_NEW, 0, nullptr);
        RemoveLeftScratchFiles(edition.naming, folder.Path(), *FileNames(folder.Path()));
        CloseHandle(writing);
        EXPECT_EQ(ListFolder(folder.Path()), edition.kept);
    }
}

TEST(RequestWatch, AHeldRequestReplacedByAnotherFileOfTheSameTimeIsANewRequest) {
    TestFolder game;
    CreateDirectoryA((game / "tidemark").c_str(), nullptr);
    CreateDirectoryA((game / "tidemark\\mdb").c_str(), nullptr);
    const std::string request = RequestPath(game.Path());
    const std::string next = game / "tidemark\\mdb\\next.db";
    // Written at the same moment, and held (read-only) so that it cannot be deleted.
    const auto make = [](const std::string& path) {
        WriteTestFile(path, "take 1");
        const FILETIME moment{0x5A5A0000, 0x01DB0000};
        HANDLE file =
            CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(file, nullptr, nullptr, &moment);
        CloseHandle(file);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    };
    SystemWorld world;
    WatchKeeper keeper(world);
    RequestWatch watch(world, keeper);
    int photos = 0;
    const auto poll = [&] { return watch.Poll(game.Path(), [&] { ++photos; }); };
    make(request);
    EXPECT_TRUE(poll());
    EXPECT_FALSE(poll());
    make(next);  // another request, moved in over the held one
    SetFileAttributesA(request.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(MoveFileExA(next.c_str(), request.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_TRUE(poll());
    EXPECT_EQ(photos, 2);
    SetFileAttributesA(request.c_str(), FILE_ATTRIBUTE_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(System, WorldContract,
                         ::testing::Values(WorldSide{
                             "System", [] { return std::make_unique<SystemHands>(); }}),
                         [](const auto& info) { return std::string(info.param.name); });
