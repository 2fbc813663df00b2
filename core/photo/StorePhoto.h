#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "core/exchange/RequestFiles.h"
#include "core/photo/CaptureSettings.h"
#include "core/photo/DibImage.h"
#include "core/photo/FreeImageApi.h"
#include "core/photo/NotStored.h"
#include "core/settings/Variant.h"

// The number a photo was stored under, or why it was not stored.
struct StoreOutcome {
    std::optional<int32_t> number;
    NotStored reason = NotStored::NoPicture;
};

// The storing half of a capture: the bitmap file under the first free number
// from `number` on, then the JPEG the switches ask for. A photo that has
// appeared under the number meanwhile is never replaced: this one takes the
// next free number. A failed JPEG is skipped silently; the photo counts as
// stored once its bitmap file is.
StoreOutcome StorePhoto(const CaptureSettings& settings, int32_t number,
                        const std::optional<DibImage>& picture, const FreeImageApi& freeImage);

// One capture, in order: choose the number (the first one free of photos in
// the screenshot folder), take the picture, store it, and only for a stored
// photo reply to the game and advance the number past it. A photo that was
// not stored uses up no number and leaves the reply as it was.
StoreOutcome CapturePhoto(const CaptureSettings& settings, Variant& photoNumber,
                          const std::function<std::optional<DibImage>()>& takePicture,
                          const FreeImageApi& freeImage, ReplyFile& reply);
