#include <windows.h>

#include <gtest/gtest.h>

#include "../support/TestFolder.h"
#include "core/exchange/RequestFiles.h"
#include "core/files/FileSystem.h"
#include "core/files/init.h"

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
    RequestWatch watch;
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
