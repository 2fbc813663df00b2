#include <FreeImage.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <future>
#include <optional>
#include <string>

#include "../support/ImageFiles.h"
#include "../support/TestFolder.h"
#include "Pictures.h"
#include "core/exchange/RequestFiles.h"
#include "core/exchange/SystemWorld.h"
#include "core/files/FileSystem.h"
#include "core/files/NativePath.h"
#include "core/files/init.h"
#include "core/photo/BitmapFile.h"
#include "core/photo/JpegExport.h"
#include "core/photo/PhotoFiles.h"
#include "core/photo/StorePhoto.h"

namespace {

// Files of this process grow no larger than the limit while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write beyond it fails instead
        getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit limited{bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

class PipelineTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(game.Native() / "tidemark" / "mdb");
        settings.gameFolder = game.Path();
        settings.shotFolder = shots.Path();
        settings.shotWidth = "1204";
        settings.shotHeight = "1204";
    }

    void Capture(int width = 64, int height = 48, int bits = 32) {
        CaptureWith([&] { return std::optional<DibImage>(Picture(width, height, bits)); });
    }
    // One capture, and its JPEG made.
    StoreOutcome CaptureWith(const std::function<std::optional<DibImage>()>& takePicture) {
        const StoreOutcome outcome =
            CapturePhoto(settings, photoNumber, takePicture, reply, jpegs, numbers);
        jpegs.Finish();
        return outcome;
    }

    std::string Bmp(int n) const { return BitmapPath(shots.Path(), n); }
    std::string Jpg(int n) const { return JpegPath(shots.Path(), n); }
    std::string Reply() const { return ReadTestFile(ReplyPath(game.Path())); }
    size_t FilesInShots() const {
        size_t count = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(shots.Native())) {
            ++count;
        }
        return count;
    }
    void Touch(const std::string& path) { WriteTestFile(path, "x"); }

    TestFolder game;
    TestFolder shots;
    CaptureSettings settings;
    Variant photoNumber = 0;
    SystemWorld world;
    ReplyFile reply{world};
    FreeImageApi freeImage = FreeImage();
    JpegQueue jpegs{[this]() -> const FreeImageApi& { return freeImage; }};
    TakenNumbers numbers{kCurrentPhotos};
};

}  // namespace

TEST_F(PipelineTest, EmptyFolderSwitchesOffGivesBitmapOnlyAndReplyZero) {
    Capture(64, 48);
    EXPECT_TRUE(FileExists(Bmp(0)));
    EXPECT_EQ(FilesInShots(), 1u);
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    EXPECT_EQ(photoNumber.Text(), "1");
    const auto info = Inspect(Bmp(0));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->format, FIF_BMP);
    EXPECT_EQ(info->width, 64u);
    EXPECT_EQ(info->height, 48u);
    EXPECT_EQ(info->bitsPerPixel, 32u);
    EXPECT_EQ(info->leftColour.rgbRed, 255);
    EXPECT_EQ(info->rightColour.rgbBlue, 255);
}

TEST_F(PipelineTest, BitmapKeepsTheDepthThePictureHas) {
    for (int bits : {8, 16, 24, 32}) {
        Capture(40, 30, bits);
    }
    const unsigned expected[] = {8, 16, 24, 32};
    for (int n = 0; n < 4; ++n) {
        const auto info = Inspect(Bmp(n));
        ASSERT_TRUE(info) << n;
        EXPECT_EQ(info->bitsPerPixel, expected[n]);
        EXPECT_EQ(info->leftColour.rgbRed, 255) << n;
        EXPECT_EQ(info->rightColour.rgbBlue, 255) << n;
    }
}

TEST_F(PipelineTest, KeptJpegsHoldTheirNumbersAndAreNeverReplaced) {
    // The player deleted the large bitmaps and kept the JPEGs.
    for (int n = 0; n <= 4; ++n) {
        Touch(Jpg(n));
    }
    settings.saveAsJpeg = 1;
    Capture(64, 48);
    EXPECT_EQ(Reply(), "currentPhoto=5\r\n");
    for (int n = 0; n <= 4; ++n) {
        EXPECT_EQ(ReadTestFile(Jpg(n)), "x") << n;
    }
    const auto info = Inspect(Jpg(5));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->format, FIF_JPEG);
    EXPECT_EQ(info->width, 64u);
}

TEST_F(PipelineTest, TheSwitchesDecideTheJpegAndItsSize) {
    const struct {
        Variant resize;
        Variant jpeg;
        const char* width;
        const char* height;
        unsigned jpegWidth;  // 0: no JPEG
        unsigned jpegHeight;
    } cases[] = {
        {1, 1, "800", "600", 800, 600},     // whatever the picture's proportions
        {"1", {}, "100", "50", 100, 50},    // rescaled without the JPEG switch
        {1, {}, "100.5", "51.5", 100, 52},  // sizes round half to even
        {"0", 1, "800", "600", 320, 40},    // full size
        {"2", 1, "800", "600", 0, 0},       // a resize switch neither 1 nor 0
        {"abc", 1, "800", "600", 0, 0},    {-1, 1, "800", "600", 0, 0},
        {{}, "0", "800", "600", 0, 0},  // a JPEG switch other than 1
        {{}, 2, "800", "600", 0, 0},       {{}, "on", "800", "600", 0, 0},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(photoNumber.Text());
        settings.resizeShots = example.resize;
        settings.saveAsJpeg = example.jpeg;
        settings.shotWidth = example.width;
        settings.shotHeight = example.height;
        const int n = *photoNumber.ToLong();
        Capture(320, 40);
        const auto bitmap = Inspect(Bmp(n));
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->width, 320u);
        const auto jpeg = Inspect(Jpg(n));
        ASSERT_EQ(jpeg.has_value(), example.jpegWidth > 0);
        if (jpeg) {
            EXPECT_EQ(jpeg->format, FIF_JPEG);
            EXPECT_EQ(jpeg->width, example.jpegWidth);
            EXPECT_EQ(jpeg->height, example.jpegHeight);
            EXPECT_EQ(jpeg->bitsPerPixel, 24u);
            EXPECT_GT(jpeg->leftColour.rgbRed, 200);
            EXPECT_GT(jpeg->rightColour.rgbBlue, 200);
        }
    }
}

TEST_F(PipelineTest, JpegIsSavedAtSuperbQuality) {
    settings.saveAsJpeg = "1";
    Capture();
    EXPECT_TRUE(IsQuality100(JpegFactsOf(ReadTestFile(Jpg(0)))));
}

TEST_F(PipelineTest, EveryBitmapDepthYieldsAJpeg) {
    settings.saveAsJpeg = 1;
    for (int bits : {8, 16, 24, 32}) {
        Capture(40, 30, bits);
    }
    for (int n = 0; n < 4; ++n) {
        const auto jpeg = Inspect(Jpg(n));
        ASSERT_TRUE(jpeg) << n;
        EXPECT_EQ(jpeg->format, FIF_JPEG);
        EXPECT_GT(jpeg->leftColour.rgbRed, 200) << n;
    }
}

TEST_F(PipelineTest, SizesThatAreNoNumberOrImpossibleGiveTheBitmapOnly) {
    settings.resizeShots = 1;
    const std::pair<const char*, const char*> sizes[] = {
        {"abc", "600"},    {"800", ""},        {"0", "600"},        {"-5", "600"},
        {"100000", "600"}, {"60000", "60000"}, {"2147483648", "1"}, {"12040", "12040"}};
    for (const auto& [width, height] : sizes) {
        settings.shotWidth = width;
        settings.shotHeight = height;
        Capture();
        EXPECT_EQ(jpegs.NotMade(),
                  (JpegNotMade{*photoNumber.ToLong() - 1, JpegOutcome::ImpossibleSize}));
    }
    const size_t photos = std::size(sizes);
    EXPECT_EQ(FilesInShots(), photos);
    for (size_t n = 0; n < photos; ++n) {
        EXPECT_TRUE(FileExists(Bmp(static_cast<int>(n))));
    }
    EXPECT_EQ(Reply(), "currentPhoto=" + std::to_string(photos - 1) + "\r\n");
    EXPECT_EQ(photoNumber.Text(), std::to_string(photos));
}

TEST_F(PipelineTest, APhotoThatIsNotStoredGetsNoReplyAndUsesUpNoNumber) {
    Touch(Bmp(0));  // an earlier photo, which no failed capture may answer with
    settings.saveAsJpeg = 1;
    WriteTestFile(ReplyPath(game.Path()), "currentPhoto=9\r\n");
    const std::string aFile = shots.Path() + "\\a file";
    Touch(aFile);
    const struct {
        const char* name;
        std::string folder;
        bool picture;
        NotStored reason;
    } cases[] = {
        {"no picture", shots.Path(), false, NotStored::NoPicture},
        {"a folder whose parent is missing", shots.Path() + "\\no\\such", true,
         NotStored::NoFolder},
        {"a file as the folder", aFile, true, NotStored::NotAFolder},
        {"a write that fails", shots.Path(), true, NotStored::NotWritten},
        {"a read-only drive with no room", "C:\\proc", true, NotStored::NotWritten},
        {"a folder too long for the names", shots.Path() + "\\" + std::string(240, 'd'), true,
         NotStored::TooLong},
        {"a folder named in part", "relshots", true, NotStored::NotFullPath},
        {"a folder Windows would make as another", shots.Path() + "\\dot.", true,
         NotStored::NameEndsInDotOrSpace},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        settings.shotFolder = example.folder;
        // Writes fail as on a full disk: no file may grow beyond a few bytes.
        std::optional<FileSizeLimit> full;
        if (example.reason == NotStored::NotWritten && example.folder == shots.Path()) {
            full.emplace(64);
        }
        const StoreOutcome outcome = CaptureWith(
            [&] { return example.picture ? std::optional(Picture(16, 16)) : std::nullopt; });
        EXPECT_FALSE(outcome.number);
        EXPECT_EQ(outcome.reason, example.reason);
        EXPECT_EQ(Reply(), "currentPhoto=9\r\n");
        EXPECT_EQ(photoNumber.Text(), "1");
    }
    EXPECT_FALSE(FileExists("relshots"));  // nothing made wherever the tests were started
    settings.shotFolder = shots.Path();
    Capture();
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
    EXPECT_EQ(ReadTestFile(Bmp(0)), "x");
    EXPECT_EQ(FilesInShots(), 4u);  // the earlier photo, the file, and photo 1 with its JPEG
    EXPECT_TRUE(Inspect(Jpg(1)));
}

TEST_F(PipelineTest, FolderRemovedWhileRunningIsMadeAgain) {
    const std::string folder = shots.Path() + "\\Photos";
    settings.shotFolder = folder;
    Capture();
    std::filesystem::remove_all(NativePath(folder));
    Capture();
    EXPECT_TRUE(FileExists(BitmapPath(folder, 1)));
}

TEST_F(PipelineTest, WrongGameFolderStoresPhotosWithoutReply) {
    settings.gameFolder = game.Path() + "\\elsewhere";
    Capture();
    Capture();
    EXPECT_TRUE(FileExists(Bmp(0)));
    EXPECT_TRUE(FileExists(Bmp(1)));
    EXPECT_FALSE(FileExists(ReplyPath(game.Path() + "\\elsewhere")));
    EXPECT_EQ(photoNumber.Text(), "2");
}

TEST_F(PipelineTest, ReplyForLargeNumbersIsWrittenInFull) {
    photoNumber = 32767;
    Capture(8, 8);
    EXPECT_EQ(Reply(), "currentPhoto=32767\r\n");
    Capture(8, 8);
    EXPECT_EQ(Reply(), "currentPhoto=32768\r\n");
    EXPECT_TRUE(FileExists(Bmp(32768)));
    EXPECT_EQ(photoNumber.Text(), "32769");
}

namespace {

// A FreeImage gone bad: it reads no bitmap.
FreeImageApi::Bitmap VDR_FREEIMAGE_CALL FailingLoad(int, const char*, int) { return nullptr; }

}  // namespace

TEST_F(PipelineTest, WithoutFreeImageTheJpegStepsAreSkippedAndSaidWhy) {
    settings.saveAsJpeg = 1;
    freeImage = FreeImageApi{.missing = true};
    Capture(16, 16);
    EXPECT_EQ(jpegs.NotMade(), (JpegNotMade{0, JpegOutcome::NoLibrary}));
    settings.resizeShots = 1;
    freeImage = FreeImageApi{};  // a file of that name that is no FreeImage
    Capture(16, 16);
    EXPECT_EQ(jpegs.NotMade(), (JpegNotMade{1, JpegOutcome::UnusableLibrary}));
    EXPECT_TRUE(FileExists(Bmp(0)));
    EXPECT_TRUE(FileExists(Bmp(1)));
    EXPECT_EQ(FilesInShots(), 2u);
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
    freeImage = FreeImage();
    freeImage.Load = FailingLoad;  // the bitmap is whole: the library is to blame
    Capture(16, 16);
    EXPECT_EQ(jpegs.NotMade(), (JpegNotMade{2, JpegOutcome::UnusableLibrary}));
    const JpegJob gone = *JpegAskedFor({.shotFolder = shots.Path(), .saveAsJpeg = 1}, 7);
    EXPECT_EQ(ExportJpeg(FreeImage(), gone), JpegOutcome::NoBitmap);
    freeImage = FreeImage();
    Capture(16, 16);
    EXPECT_EQ(jpegs.NotMade(), std::nullopt);  // told of until a JPEG is made
}

namespace {

// A FreeImage whose loads wait until the test lets them start (or a while).
std::shared_future<void> gLoadsMayStart;
FreeImageApi::Bitmap VDR_FREEIMAGE_CALL HeldLoad(int format, const char* path, int flags) {
    gLoadsMayStart.wait_for(std::chrono::seconds(5));
    return FreeImage().Load(format, path, flags);
}

// A FreeImage whose saves fail.
int VDR_FREEIMAGE_CALL FailingSave(int, void*, void*, int) { return 0; }

}  // namespace

TEST_F(PipelineTest, JpegsAreMadeAfterTheReplyInTurnAsAskedAndNoneIsLostAtTheEnd) {
    std::promise<void> letLoadsStart;
    gLoadsMayStart = letLoadsStart.get_future().share();
    freeImage.Load = HeldLoad;
    auto queue =
        std::make_optional<JpegQueue>([this]() -> const FreeImageApi& { return freeImage; });
    settings.resizeShots = 1;
    for (const auto& [width, height] : {std::pair{"32", "24"}, std::pair{"16", "12"}}) {
        settings.shotWidth = width;
        settings.shotHeight = height;
        CapturePhoto(
            settings, photoNumber, [] { return std::optional(Picture(64, 48)); }, reply, *queue,
            numbers);
    }
    // Both photos stored and answered while the first JPEG is still held up.
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
    EXPECT_FALSE(FileExists(Jpg(0)));
    letLoadsStart.set_value();
    queue.reset();
    EXPECT_EQ(Inspect(Jpg(0))->width, 32u);
    EXPECT_EQ(Inspect(Jpg(1))->width, 16u);
    EXPECT_EQ(FilesInShots(), 4u);  // nothing half-made beside them
}

TEST_F(PipelineTest, FailedJpegWriteLeavesNoPartialFile) {
    freeImage.SaveToMemory = FailingSave;
    settings.saveAsJpeg = 1;
    Capture(16, 16);
    EXPECT_EQ(FilesInShots(), 1u);  // the bitmap, nothing half-written
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
    EXPECT_EQ(jpegs.NotMade(), (JpegNotMade{0, JpegOutcome::NotWritten}));
}

TEST_F(PipelineTest, APhotoFileIsNeverWrittenOverAnythingAndLeavesNoPartialFile) {
    const std::string held = shots.Path() + "\\held.bmp";
    WriteTestFile(held, "an earlier photo");
    const std::string scratch = shots.Path() + "\\held.tmp";
    EXPECT_EQ(SaveNewBitmapFile(Picture(16, 16), scratch, held), Placed::NameTaken);
    EXPECT_EQ(ReadTestFile(held), "an earlier photo");
    EXPECT_FALSE(FileExists(scratch));
    ASSERT_EQ(SaveNewBitmapFile(Picture(16, 16), scratch, Bmp(0)), Placed::Done);
    WriteTestFile(Jpg(0), "the player's JPEG");
    const JpegJob job = *JpegAskedFor({.shotFolder = shots.Path(), .saveAsJpeg = 1}, 0);
    EXPECT_EQ(ExportJpeg(FreeImage(), job), JpegOutcome::NotWritten);
    EXPECT_EQ(ReadTestFile(Jpg(0)), "the player's JPEG");
    EXPECT_FALSE(FileExists(job.scratchPath));
    const std::string nowhere = shots.Path() + "\\missing\\0.bmp";
    const std::string nowhereScratch = shots.Path() + "\\missing\\0.tmp";
    EXPECT_EQ(SaveNewBitmapFile(Picture(16, 16), nowhereScratch, nowhere), Placed::Failed);
    EXPECT_FALSE(FileExists(nowhereScratch));
}

TEST_F(PipelineTest, APhotoThatAppearsUnderTheNumberMeanwhileIsKeptAndTheNextNumberUsed) {
    settings.saveAsJpeg = 1;
    // Another camera, or the player, stores something under number 0 while
    // this one takes its picture.
    for (const bool bitmap : {true, false}) {
        SCOPED_TRACE(bitmap ? "bitmap" : "JPEG");
        photoNumber = 0;
        const std::string theirs = bitmap ? Bmp(0) : Jpg(0);
        const StoreOutcome outcome = CaptureWith([&] {
            WriteTestFile(theirs, "their photo");
            return std::optional<DibImage>(Picture(16, 16));
        });
        EXPECT_EQ(ReadTestFile(theirs), "their photo");
        EXPECT_TRUE(Inspect(Bmp(1)));
        EXPECT_TRUE(Inspect(Jpg(1)));
        EXPECT_EQ(outcome.number, 1);
        EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
        EXPECT_EQ(photoNumber.Text(), "2");
        std::filesystem::remove_all(shots.Native());
        std::filesystem::create_directories(shots.Native());
    }
}
