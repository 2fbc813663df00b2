#pragma once

#include <chrono>
#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/files/FileSystem.h"
#include "core/files/FolderWatch.h"
#include "core/photo/DibImage.h"
#include "core/photo/PhotoFiles.h"

// The numbers the photos in the screenshot folder hold, known ahead of the
// press, so that a photo looks up no name that is not there but its own
// (under Wine such a look-up reads the whole folder: 19 ms at 100,000
// files). The folder is listed once, beside the window (a listing of
// 100,000 photos takes Wine over a second), then kept by the camera's own
// photos and by a watch of its names, which tells what others do there. A
// press waits for a listing under way. Where nothing can be known (no
// watch, an overflow, the folder replaced) every number is looked up, as it
// always was, until the folder is listed again.
class TakenNumbers {
public:
    // How the folder is listed: the names of its files, or none where it
    // cannot be read to its end.
    using Lister = std::optional<std::vector<std::string>> (*)(const std::string& folder);

    explicit TakenNumbers(const PhotoNaming& naming, Lister list = FileNames)
        : naming_(naming), list_(list) {}

    const PhotoNaming& Naming() const { return naming_; }

    // Off the press's path, once the window is up: keeps the numbers of
    // that folder known, listing it where they are not. The scratch files
    // an earlier run left there go with the run's first listing.
    void Keep(const std::string& folder);

    // The first number from `from` on that no photo in the folder holds;
    // none when every number up to the last is taken.
    std::optional<int32_t> FirstFree(const std::string& folder, int32_t from);

    // A photo's bitmap stored, or found, under the number.
    void Hold(const std::string& folder, int32_t number);

    // Lets go of the folder: the camera stops, and the player may delete it.
    void Forget();

private:
    // Whether the folder's numbers are known now, what the watch told taken
    // in; the folder checked to be the one listed at each press, and once a
    // second otherwise.
    bool Known(const std::string& folder, bool press);
    // Takes in the listing under way once it is done, or waits for it.
    void TakeInListing(bool wait);
    void Tell(NameAction action, const std::string& name);

    const PhotoNaming& naming_;
    Lister list_;
    std::string folder_;
    std::optional<uint64_t> folderIndex_;  // of the folder listed
    std::chrono::steady_clock::time_point checkedAt_{};
    std::unique_ptr<FolderWatch> watch_;
    std::future<std::optional<std::vector<std::string>>> listing_;  // of folder_, under way
    bool known_ = false;
    bool listedOnce_ = false;
    // Which files hold each number: 1 the bitmap, 2 the file beside it.
    std::unordered_map<int32_t, uint8_t> held_;
};

// Stores the picture as a new bitmap file under the first number from
// `from` on that is free at the moment of saving. A photo that appears
// under a number meanwhile is never replaced: this one takes the next.
NumberedPhoto StoreUnderFreeNumber(const DibImage& picture, TakenNumbers& numbers,
                                   const std::string& folder, int32_t from);
