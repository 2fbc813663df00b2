#include <FreeImage.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "../support/ImageFiles.h"
#include "../support/TestFolder.h"
#include "core/exchange/RequestFiles.h"
#include "core/files/FileSystem.h"
#include "core/files/NativePath.h"
#include "core/files/init.h"
#include "core/photo/BitmapFile.h"
#include "core/photo/JpegExport.h"
#include "core/photo/PhotoFiles.h"
#include "core/photo/StorePhoto.h"

namespace {

// A picture with a known pattern: red left half, blue right half.
DibImage Picture(int width, int height, int bitsPerPixel = 32) {
    DibImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    const int stride = DibImage::Stride(width, bitsPerPixel);
    image.pixels.assign(static_cast<size_t>(stride) * height, 0);
    if (bitsPerPixel == 8) {
        image.palette.assign(256, 0);
        image.palette[1] = 0xFF0000;
        image.palette[2] = 0x0000FF;
    }
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image.pixels.data() + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            switch (bitsPerPixel) {
                case 32:
                case 24: {
                    uint8_t* pixel = row + x * (bitsPerPixel / 8);
                    pixel[0] = left ? 0 : 255;  // blue
                    pixel[1] = 0;
                    pixel[2] = left ? 255 : 0;  // red
                    break;
                }
                case 16: {
                    const uint16_t value = left ? 0x7C00 : 0x001F;  // 5-5-5
                    row[x * 2] = static_cast<uint8_t>(value & 0xFF);
                    row[x * 2 + 1] = static_cast<uint8_t>(value >> 8);
                    break;
                }
                case 8:
                    row[x] = left ? 1 : 2;
                    break;
            }
        }
    }
    return image;
}

struct ImageInfo {
    unsigned width = 0;
    unsigned height = 0;
    unsigned bitsPerPixel = 0;
    FREE_IMAGE_FORMAT format = FIF_UNKNOWN;
    RGBQUAD leftColour{};
    RGBQUAD rightColour{};
};

std::optional<ImageInfo> Inspect(const std::string& path) {
    const std::string native = NativePath(path).string();
    ImageInfo info;
    info.format = FreeImage_GetFileType(native.c_str(), 0);
    FIBITMAP* bitmap = FreeImage_Load(info.format, native.c_str(), 0);
    if (!bitmap) {
        return std::nullopt;
    }
    info.width = FreeImage_GetWidth(bitmap);
    info.height = FreeImage_GetHeight(bitmap);
    info.bitsPerPixel = FreeImage_GetBPP(bitmap);
    FIBITMAP* colour = FreeImage_ConvertTo24Bits(bitmap);
    FreeImage_GetPixelColor(colour, info.width / 4, info.height / 2, &info.leftColour);
    FreeImage_GetPixelColor(colour, info.width * 3 / 4, info.height / 2, &info.rightColour);
    FreeImage_Unload(colour);
    FreeImage_Unload(bitmap);
    return info;
}

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
        CaptureWith([&] { return std::optional<DibImage>(Picture(width, height, bits)); },
                    FreeImage());
    }
    StoreOutcome CaptureWith(const std::function<std::optional<DibImage>()>& takePicture,
                             const FreeImageApi& freeImage) {
        return CapturePhoto(settings, photoNumber, takePicture, freeImage, reply);
    }

    std::string Bmp(int n) const { return BitmapPath(shots.Path(), std::to_string(n)); }
    std::string Jpg(int n) const { return JpegPath(shots.Path(), std::to_string(n)); }
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
    ReplyFile reply;
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

TEST_F(PipelineTest, NumberingSkipsExistingBitmapFiles) {
    for (int n = 0; n <= 4; ++n) {
        Touch(Bmp(n));
    }
    Capture();
    EXPECT_EQ(Reply(), "currentPhoto=5\r\n");
    EXPECT_TRUE(Inspect(Bmp(5)));
    EXPECT_EQ(photoNumber.Text(), "6");
}

TEST_F(PipelineTest, NumberingFillsGapsThenContinues) {
    Touch(Bmp(0));
    Touch(Bmp(1));
    Touch(Bmp(3));
    std::vector<std::string> replies;
    for (int i = 0; i < 3; ++i) {
        Capture();
        replies.push_back(Reply());
    }
    EXPECT_EQ(replies, (std::vector<std::string>{"currentPhoto=2\r\n", "currentPhoto=4\r\n",
                                                 "currentPhoto=5\r\n"}));
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
        const std::string n = photoNumber.Text();
        Capture(320, 40);
        const auto bitmap = Inspect(BitmapPath(shots.Path(), n));
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->width, 320u);
        const auto jpeg = Inspect(JpegPath(shots.Path(), n));
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
        {"abc", "600"},    {"800", ""},        {"0", "600"},       {"-5", "600"},
        {"100000", "600"}, {"60000", "60000"}, {"2147483648", "1"}};
    for (const auto& [width, height] : sizes) {
        settings.shotWidth = width;
        settings.shotHeight = height;
        Capture();
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
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        settings.shotFolder = example.folder;
        if (example.reason == NotStored::NotWritten) {
            // Writes there fail as on a full disk.
            std::filesystem::create_symlink("/dev/full", NativePath(PartialName(Bmp(1))));
        }
        const StoreOutcome outcome = CaptureWith(
            [&] { return example.picture ? std::optional(Picture(16, 16)) : std::nullopt; },
            FreeImage());
        EXPECT_FALSE(outcome.number);
        EXPECT_EQ(outcome.reason, example.reason);
        EXPECT_EQ(Reply(), "currentPhoto=9\r\n");
        EXPECT_EQ(photoNumber.Text(), "1");
    }
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
    EXPECT_TRUE(FileExists(BitmapPath(folder, "1")));
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

TEST_F(PipelineTest, WithoutFreeImageTheJpegStepsAreSkipped) {
    settings.saveAsJpeg = 1;
    CaptureWith([] { return std::optional<DibImage>(Picture(16, 16)); }, FreeImageApi{});
    settings.resizeShots = 1;
    CaptureWith([] { return std::optional<DibImage>(Picture(16, 16)); }, FreeImageApi{});
    EXPECT_TRUE(FileExists(Bmp(0)));
    EXPECT_TRUE(FileExists(Bmp(1)));
    EXPECT_EQ(FilesInShots(), 2u);
    EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
}

namespace {

// A FreeImage whose save writes half a file and then fails, as a full disk would.
int VDR_FREEIMAGE_CALL FailingSave(int, void*, const char* path, int) {
    WriteTestFile(path, "\xFF\xD8 half");
    return 0;
}

}  // namespace

TEST_F(PipelineTest, FailedJpegWriteLeavesNoPartialFile) {
    FreeImageApi failing = FreeImage();
    failing.Save = FailingSave;
    settings.saveAsJpeg = 1;
    CaptureWith([] { return std::optional<DibImage>(Picture(16, 16)); }, failing);
    EXPECT_EQ(FilesInShots(), 1u);  // the bitmap, nothing half-written
    EXPECT_EQ(Reply(), "currentPhoto=0\r\n");
}

TEST_F(PipelineTest, APhotoFileIsNeverWrittenOverAnythingAndLeavesNoPartialFile) {
    const std::string held = shots.Path() + "\\held.bmp";
    WriteTestFile(held, "an earlier photo");
    EXPECT_EQ(SaveNewBitmapFile(Picture(16, 16), held), Placed::NameTaken);
    EXPECT_EQ(ReadTestFile(held), "an earlier photo");
    EXPECT_FALSE(FileExists(PartialName(held)));
    ASSERT_EQ(SaveNewBitmapFile(Picture(16, 16), Bmp(0)), Placed::Done);
    WriteTestFile(Jpg(0), "the player's JPEG");
    EXPECT_FALSE(ExportJpeg(FreeImage(), Bmp(0), Jpg(0), std::nullopt));
    EXPECT_EQ(ReadTestFile(Jpg(0)), "the player's JPEG");
    EXPECT_FALSE(FileExists(PartialName(Bmp(0))));
    const std::string nowhere = shots.Path() + "\\missing\\0.bmp";
    EXPECT_EQ(SaveNewBitmapFile(Picture(16, 16), nowhere), Placed::Failed);
    EXPECT_FALSE(FileExists(PartialName(nowhere)));
}

TEST_F(PipelineTest, APhotoThatAppearsUnderTheNumberMeanwhileIsKeptAndTheNextNumberUsed) {
    settings.saveAsJpeg = 1;
    // Another camera, or the player, stores something under number 0 while
    // this one takes its picture.
    for (const bool bitmap : {true, false}) {
        SCOPED_TRACE(bitmap ? "bitmap" : "JPEG");
        photoNumber = 0;
        const std::string theirs = bitmap ? Bmp(0) : Jpg(0);
        const StoreOutcome outcome = CaptureWith(
            [&] {
                WriteTestFile(theirs, "their photo");
                return std::optional<DibImage>(Picture(16, 16));
            },
            FreeImage());
        EXPECT_EQ(ReadTestFile(theirs), "their photo");
        EXPECT_TRUE(Inspect(Bmp(1)));
        EXPECT_TRUE(Inspect(Jpg(1)));
        EXPECT_EQ(outcome.number->Text(), "1");
        EXPECT_EQ(Reply(), "currentPhoto=1\r\n");
        EXPECT_EQ(photoNumber.Text(), "2");
        std::filesystem::remove_all(shots.Native());
        std::filesystem::create_directories(shots.Native());
    }
}

TEST(JpegSizes, PossibleSizes) {
    EXPECT_TRUE(IsPossibleSize({1, 1}));
    EXPECT_TRUE(IsPossibleSize({1204, 1204}));
    EXPECT_TRUE(IsPossibleSize({65500, 100}));
    EXPECT_FALSE(IsPossibleSize({0, 600}));
    EXPECT_FALSE(IsPossibleSize({800, -1}));
    EXPECT_FALSE(IsPossibleSize({65501, 100}));
    EXPECT_FALSE(IsPossibleSize({20000, 20000}));
}
