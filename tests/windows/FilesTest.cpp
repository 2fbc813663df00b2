#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <utility>

#include "../support/TestFolder.h"
#include "../support/WriterPatterns.h"
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
        RemoveLeftScratchFiles(edition.naming, folder.Path());
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

TEST(RequestWatch, OnePressIsOnePhotoWhateverWayItsWriterMakesTheRequest) {
    for (const WriterPattern& writer : kWriterPatterns) {
        SCOPED_TRACE(writer.name);
        TestFolder game;
        const std::string mdb = game / "tidemark\\mdb";
        CreateDirectoryA((game / "tidemark").c_str(), nullptr);
        CreateDirectoryA(mdb.c_str(), nullptr);
        const std::string request = RequestPath(game.Path());
        auto now = std::chrono::steady_clock::now();
        SystemWorld world([&] { return now; });
        WatchKeeper keeper(world);
        keeper.KeepOn(game.Path());
        ASSERT_NE(keeper.Watch(), 0u);
        RequestWatch watch(world, keeper);
        HANDLE held = INVALID_HANDLE_VALUE;
        // The system tells of a name's change a moment later; a look comes later still.
        const auto toldOf = [&](const std::function<void()> change) {
            keeper.Woken();
            change();
            WaitForSingleObject(world.Event(keeper.Watch()), 2000);
        };
        int photos = 0;
        const auto step = [&](const std::string& step) {
            if (step.starts_with("make")) {
                const DWORD share = step == "make-all"
                                        ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE
                                    : step == "make-read" ? FILE_SHARE_READ
                                                          : 0;
                toldOf([&] {
                    held = CreateFileA(request.c_str(), GENERIC_WRITE, share, nullptr,
                                       CREATE_ALWAYS, 0, nullptr);
                });
                ASSERT_NE(held, INVALID_HANDLE_VALUE);
            } else if (step == "write") {
                Sleep(30);  // a write time later than the making's
                DWORD written = 0;
                WriteFile(held, "take 1", 6, &written, nullptr);
            } else if (step == "close") {
                CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
            } else if (step == "delete") {
                toldOf([&] { DeleteFileA(request.c_str()); });
            } else if (step == "flood") {
                // Far more than the watch holds between two reads: it overflows.
                toldOf([&] {
                    for (int file = 0; file < 600; ++file) {
                        const std::string other =
                            mdb + "\\" + std::string(150, 'o') + std::to_string(file);
                        CloseHandle(CreateFileA(other.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, 0, nullptr));
                        DeleteFileA(other.c_str());
                    }
                    Sleep(300);  // all of them waiting when the watch reads again
                });
                // Told a moment after the first change, which the watch had room for.
                std::optional<NameCount> count = keeper.Changes(mdb);
                for (int wait = 0; count && !count->overflows && wait < 20; ++wait) {
                    WaitForSingleObject(world.Event(keeper.Watch()), 100);
                    count = keeper.Changes(mdb);
                }
                ASSERT_TRUE(count);  // an overflow is told, and the watch stands
                EXPECT_GT(count->overflows, 0u);
            } else if (step == "slow") {
                now += std::chrono::milliseconds(1500);
            } else if (step == "tend") {
                now += std::chrono::milliseconds(100);
                watch.Tend();
            } else if (step == "tick") {
                now += std::chrono::milliseconds(100);
                watch.Poll(game.Path(), [&] { ++photos; });
            }
        };
        ForEachStep(writer.before, step);
        watch.Poll(game.Path(), [&] {
            ++photos;
            ForEachStep(writer.during, step);
        });
        ForEachStep(writer.after, step);
        EXPECT_EQ(photos, writer.photos);
        EXPECT_FALSE(FileExists(request));  // deleted once its writer let go
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
        }
    }
}
