// The numbers photos are stored under, on the host (where every number is
// looked up) and under Wine (where the folder is listed once and watched):
// the same numbers, also where others change the folder between presses.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "../support/TestFolder.h"
#ifdef _WIN32
#include "../support/Links.h"
#endif
#include "core/files/init.h"
#include "core/photo/TakenNumbers.h"

namespace {

DibImage SmallPicture() {
    DibImage picture;
    picture.width = picture.height = 8;
    picture.bitsPerPixel = 32;
    picture.pixels.assign(8 * 8 * 4, 0x5A);
    return picture;
}

// Windows finds a name in any letters; the host only in its own.
#ifdef _WIN32
constexpr char kZeroJpeg[] = "0.JPG";
#else
constexpr char kZeroJpeg[] = "0.jpg";
#endif

// The folder deleted with its files and made again by another program:
// under Wine, a Linux one (Wine's own deletion waits for the camera's watch
// to let go, as Windows' does).
void ReplaceFolder(const TestFolder& root) {
#ifdef _WIN32
    ASSERT_TRUE(ReplaceFolderFromLinux(root / "shots"));
#else
    std::filesystem::remove_all(root.Native() / "shots");
    std::filesystem::create_directory(root.Native() / "shots");
#endif
}

// A listing that stops half-way, as one of a folder on a drive gone away.
std::optional<std::vector<std::string>> BrokenListing(const std::string&) { return std::nullopt; }

}  // namespace

// clang-format off
TEST(PhotoNumbers, EachPhotoTakesTheFirstNumberNoFileHoldsAsTheFolderIsThen) {
    const struct {
        const char* name;
        const PhotoNaming& naming;
        std::vector<std::string> present;  // when the camera starts
        std::vector<std::string> made;     // by others, then
        std::vector<std::string> deleted;  // by others, then
        bool replaced;                     // the folder deleted and made again
        int32_t from;
        std::vector<int32_t> stored;  // three photos in a row; -1: no number left
        TakenNumbers::Lister list = FileNames;
        bool ticked = true;  // the folder kept before the presses, as the first tick does
    } cases[] = {
        {"gaps filled", kCurrentPhotos, {"_bmp_0.bmp", "_bmp_1.bmp", "_bmp_3.bmp"}, {}, {},
         false, 0, {2, 4, 5}},
        {"a JPEG holds its number, in any letters", kCurrentPhotos,
         {kZeroJpeg, "_bmp_1.bmp", "2.bmp", "_bmp_02.bmp"}, {}, {}, false, 0, {2, 3, 4}},
        {"a free number's bitmap made by another", kCurrentPhotos, {"_bmp_0.bmp"},
         {"_bmp_1.bmp"}, {}, false, 0, {2, 3, 4}},
        {"a free number's JPEG made by another", kCurrentPhotos, {"_bmp_0.bmp"}, {"2.jpg"}, {},
         false, 0, {1, 3, 4}},
        {"a photo deleted by another", kCurrentPhotos, {"_bmp_0.bmp", "_bmp_1.bmp", "1.jpg"}, {},
         {"_bmp_0.bmp", "_bmp_1.bmp"}, false, 0, {0, 2, 3}},
        {"the folder replaced", kCurrentPhotos, {"_bmp_0.bmp", "_bmp_1.bmp"}, {"1.jpg"}, {},
         true, 0, {0, 2, 3}},
        {"a listing that fails half-way", kCurrentPhotos, {"_bmp_0.bmp", "1.jpg"}, {}, {}, false,
         0, {2, 3, 4}, BrokenListing},
        {"first edition, only its own names, not others' N.tmp", kEarlyPhotos,
         {"0.bmp", "1.jpg", "_bmp_1.bmp", "1.tmp", "3.tmp"}, {"2.bmp"}, {}, false, 0, {1, 3, 4}},
        {"first edition, up to 32767", kEarlyPhotos, {}, {}, {}, false, 32766, {32766, 32767, -1}},
        {"pressed before the first tick", kCurrentPhotos, {"_bmp_0.bmp", "_jpg_1.tmp"}, {}, {},
         false, 0, {1, 2, 3}, FileNames, false},
    };
    // clang-format on
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        TestFolder root;
        const std::string folder = root / "shots";
        std::filesystem::create_directory(root.Native() / "shots");
        for (const std::string& name : example.present) {
            WriteTestFile(folder + "\\" + name, "x");
        }
        TakenNumbers numbers(example.naming, example.list);
        if (example.ticked) {
            numbers.Keep(folder);
        }
        if (example.replaced) {
            ReplaceFolder(root);
        }
        for (const std::string& name : example.made) {
            WriteTestFile(folder + "\\" + name, "theirs");
        }
        for (const std::string& name : example.deleted) {
            std::filesystem::remove(root.Native() / "shots" / name);
        }
        // What others did reaches the camera's watch a moment later.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (example.ticked) {
            numbers.Keep(folder);
        }
        std::vector<int32_t> stored;
        for (int32_t next = example.from; stored.size() < 3;) {
            const NumberedPhoto photo = StoreUnderFreeNumber(SmallPicture(), numbers, folder, next);
            stored.push_back(photo.placed == Placed::Done ? photo.number : -1);
            EXPECT_EQ(photo.placed == Placed::NameTaken, stored.back() < 0);
            next = photo.number + 1;
        }
        EXPECT_EQ(stored, example.stored);
        for (const int32_t number : example.stored) {
            EXPECT_TRUE(number < 0 || FileExists(example.naming.bitmap(folder, number)));
        }
        for (const std::string& name : example.made) {
            EXPECT_EQ(ReadTestFile(folder + "\\" + name), "theirs");
        }
        // An earlier run's scratch files went before this run's photos were written.
        for (const std::string& name : example.present) {
            EXPECT_FALSE(example.naming.isScratch(name) && FileExists(folder + "\\" + name));
        }
    }
}
