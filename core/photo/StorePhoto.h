#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/exchange/RequestFiles.h"
#include "core/photo/CaptureSettings.h"
#include "core/photo/DibImage.h"
#include "core/photo/JpegExport.h"
#include "core/photo/JpegQueue.h"
#include "core/photo/NotStored.h"
#include "core/photo/TakenNumbers.h"
#include "core/settings/Variant.h"

// The number a photo was stored under, or why it was not stored.
struct StoreOutcome {
    std::optional<int32_t> number;
    NotStored reason = NotStored::NoPicture;
};

// Stores the picture as a bitmap file from `number` on (StoreUnderFreeNumber).
StoreOutcome StorePhoto(const std::string& folder, int32_t number,
                        const std::optional<DibImage>& picture, TakenNumbers& numbers);

// Whether the switches ask for JPEGs: rescaled ones when the resize switch
// is 1, full-size ones when the JPEG switch is 1 and the resize switch 0.
bool JpegWanted(const Variant& resizeShots, const Variant& saveAsJpeg);

// The JPEG that the switches ask for of the photo stored under the number:
// rescaled, at full size, or none.
std::optional<JpegJob> JpegAskedFor(const CaptureSettings& settings, int32_t number);

// One capture. A photo counts as stored once its bitmap file is: only then
// is the game told, its JPEG asked for and its number used up.
StoreOutcome CapturePhoto(const CaptureSettings& settings, Variant& photoNumber,
                          const std::function<std::optional<DibImage>()>& takePicture,
                          ReplyFile& reply, JpegQueue& jpegs, TakenNumbers& numbers);
