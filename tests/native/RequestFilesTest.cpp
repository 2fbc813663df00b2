#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <vector>

#include "../support/TestFolder.h"
#include "core/exchange/RequestFiles.h"
#include "core/exchange/RequestWatch.h"
#include "core/exchange/SystemWorld.h"
#include "core/files/FileSystem.h"
#include "core/files/NativePath.h"
#include "core/files/init.h"

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(game.Native() / "tidemark" / "mdb");
    }
    std::string Request() const { return RequestPath(game.Path()); }
    std::string Reply() const { return ReplyPath(game.Path()); }
    bool ServeRequest(const std::string& gameFolder, const std::function<void()>& takePhoto) {
        return watch.Poll(gameFolder, takePhoto);
    }
    bool WriteReply(const std::string& gameFolder, const std::string& number) {
        return world.WriteReply(ReplyPath(gameFolder), ReplyLine(number));
    }

    TestFolder game;
    TimePoint now = std::chrono::steady_clock::now();
    SystemWorld world{[this] { return now; }};
    WatchKeeper keeper{world};
    RequestWatch watch{world, keeper};
    ReplyFile reply{world};
};

TEST_F(ExchangeTest, TheReplyReplacesTheWholeFile) {
    reply.Send(game.Path(), "32768");
    reply.Send(game.Path(), "2");  // shorter: nothing of the longer one may stay
    EXPECT_EQ(ReadTestFile(Reply()), "currentPhoto=2\r\n");
}

TEST_F(ExchangeTest, TheReplyFailsQuietlyWithoutTheTidemarkFolder) {
    TestFolder elsewhere;
    reply.Send(elsewhere.Path(), "3");
    EXPECT_FALSE(FileExists(ReplyPath(elsewhere.Path())));
    EXPECT_FALSE(reply.GivenUp());
}

TEST_F(ExchangeTest, NoRequestMeansNoPhotoAndNoFileTouched) {
    int photos = 0;
    EXPECT_FALSE(ServeRequest(game.Path(), [&] { ++photos; }));
    EXPECT_EQ(photos, 0);
    EXPECT_TRUE(std::filesystem::is_empty(game.Native() / "tidemark" / "mdb"));
}

TEST_F(ExchangeTest, AnyRequestYieldsOnePhotoThenItsDeletionAfterTheReply) {
    for (const std::string content :
         {std::string(), std::string("take 1"), std::string("\x01\x02")}) {
        WriteTestFile(Request(), content);
        std::vector<std::string> seen;
        EXPECT_TRUE(ServeRequest(game.Path(), [&] {
            seen.push_back(FileExists(Request()) ? "request" : "none");
            WriteReply(game.Path(), "4");
        }));
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0], "request");  // still there while the photo is taken
        EXPECT_FALSE(FileExists(Request()));
        EXPECT_EQ(ReadTestFile(Reply()), "currentPhoto=4\r\n");
    }
}

TEST_F(ExchangeTest, TheRequestDeletedIsTheOneServedWhenTheGameFolderChangesMeanwhile) {
    TestFolder other;
    std::filesystem::create_directories(other.Native() / "tidemark" / "mdb");
    WriteTestFile(Request(), "");
    WriteTestFile(RequestPath(other.Path()), "");
    std::string folder = game.Path();
    int photos = 0;
    ServeRequest(folder, [&] {
        ++photos;
        folder = other.Path();
    });
    EXPECT_FALSE(FileExists(Request()));
    EXPECT_TRUE(FileExists(RequestPath(other.Path())));  // waiting for its own photo
    EXPECT_TRUE(ServeRequest(folder, [&] { ++photos; }));
    EXPECT_EQ(photos, 2);
}

TEST_F(ExchangeTest, ARequestMadeAgainDuringASlowPhotoIsTheNextOne) {
    WriteTestFile(Request(), "take 1");
    // Written a second before, as the game's script does once a second.
    std::filesystem::last_write_time(
        NativePath(Request()),
        std::filesystem::file_time_type::clock::now() - std::chrono::seconds(1));
    int photos = 0;
    ServeRequest(game.Path(), [&] {
        // The script's next pass deletes the request and the player asks again.
        RemoveFile(Request());
        WriteTestFile(Request(), "take 1");
        ++photos;
    });
    EXPECT_TRUE(FileExists(Request()));
    EXPECT_TRUE(ServeRequest(game.Path(), [&] { ++photos; }));
    EXPECT_EQ(photos, 2);
    EXPECT_FALSE(FileExists(Request()));
}

TEST_F(ExchangeTest, RequestGoneBeforeDeletionIsNoProblem) {
    WriteTestFile(Request(), "");
    EXPECT_TRUE(ServeRequest(game.Path(), [&] { RemoveFile(Request()); }));
    EXPECT_FALSE(FileExists(Request()));
}

TEST_F(ExchangeTest, FailedCaptureStillDeletesTheRequestSoItIsNotRetried) {
    WriteTestFile(Request(), "");
    EXPECT_THROW(ServeRequest(game.Path(), [] { throw std::runtime_error("clipboard"); }),
                 std::runtime_error);
    EXPECT_FALSE(FileExists(Request()));
}

TEST_F(ExchangeTest, AGameFolderEndingInABackslashStillWorks) {
    // The paths then hold a doubled backslash, which the file system takes as one.
    const std::string folder = game.Path() + "\\";
    WriteTestFile(Request(), "");
    int photos = 0;
    EXPECT_TRUE(ServeRequest(folder, [&] {
        ++photos;
        WriteReply(folder, "7");
    }));
    EXPECT_EQ(photos, 1);
    EXPECT_FALSE(FileExists(Request()));
    EXPECT_EQ(ReadTestFile(Reply()), "currentPhoto=7\r\n");
}

TEST_F(ExchangeTest, WrongGameFolderMeansTheRequestIsNeverSeen) {
    WriteTestFile(Request(), "");
    int photos = 0;
    EXPECT_FALSE(ServeRequest(game.Path() + "\\missing", [&] { ++photos; }));
    EXPECT_EQ(photos, 0);
    EXPECT_TRUE(FileExists(Request()));
}

TEST_F(ExchangeTest, AFolderUnderTheRequestsNameIsNoRequestAndTheNextFileIs) {
    int photos = 0;
    const auto poll = [&] { return ServeRequest(game.Path(), [&] { ++photos; }); };
    std::filesystem::create_directories(NativePath(Request()) / "held");
    EXPECT_FALSE(poll());
    EXPECT_FALSE(poll());
    EXPECT_EQ(watch.LeftAloneSign(), LeftAlone::Folder);
    EXPECT_TRUE(FileExists(Request() + "\\held"));
    std::filesystem::remove_all(NativePath(Request()));
    WriteTestFile(Request(), "take 1");
    EXPECT_TRUE(poll());
    EXPECT_EQ(photos, 1);
    EXPECT_FALSE(FileExists(Request()));
    EXPECT_EQ(watch.LeftAloneSign(), std::nullopt);
}

TEST_F(ExchangeTest, AReplyThatCannotBeWrittenIsRetriedForAWhileTheNewestNumberWinning) {
    // A folder of the reply's name: nothing can be written there until it goes.
    const auto blocked = [&] { std::filesystem::create_directory(NativePath(Reply())); };
    blocked();
    reply.Send(game.Path(), "4");
    reply.Send(game.Path(), "5");
    reply.Retry();
    std::filesystem::remove(NativePath(Reply()));
    reply.Retry();
    EXPECT_EQ(ReadTestFile(Reply()), "currentPhoto=5\r\n");

    std::filesystem::remove(NativePath(Reply()));
    blocked();
    reply.Send(game.Path(), "6");
    now += ReplyFile::kPatience;
    reply.Retry();
    std::filesystem::remove(NativePath(Reply()));
    reply.Retry();
    EXPECT_FALSE(FileExists(Reply()));  // given up
    EXPECT_EQ(reply.GivenUp(), "6");    // which the camera shows until a reply is written
    reply.Send(game.Path(), "7");
    EXPECT_FALSE(reply.GivenUp());
    // Where the game has no "tidemark\mdb" there is nobody to tell, and nothing to show.
    reply.Send(game.Path() + "\\elsewhere", "8");
    now += ReplyFile::kPatience;
    reply.Retry();
    EXPECT_FALSE(reply.GivenUp());
}

TEST_F(ExchangeTest, WithoutAGameFolderNoRequestIsLookedForAndNoReplyWritten) {
    // An empty folder would put both files at the root of the current drive.
    int photos = 0;
    EXPECT_FALSE(ServeRequest("", [&] { ++photos; }));
    EXPECT_EQ(photos, 0);
    reply.Send("", "0");
    EXPECT_FALSE(reply.GivenUp());
}
