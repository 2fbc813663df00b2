#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/photo/CaptureSettings.h"
#include "core/photo/DibImage.h"
#include "core/photo/FreeImageApi.h"
#include "core/settings/Variant.h"

// One capture, in order: choose the number (the first one whose bitmap file
// is not in the screenshot folder), take the picture, store it, advance the
// number.
void CapturePhoto(const CaptureSettings& settings, Variant& photoNumber,
                  const std::function<std::optional<DibImage>()>& takePicture,
                  const FreeImageApi& freeImage);

// The storing half of a capture, for the photo number: the bitmap file, the
// JPEG the switches ask for, then the reply file for the game. Every failure
// is skipped silently and the next step runs. A bitmap file that has appeared
// under the number meanwhile is never replaced: the photo takes the next
// free number, and the JPEG and the reply name that one.
void StorePhoto(const CaptureSettings& settings, Variant& number,
                const std::optional<DibImage>& picture, const FreeImageApi& freeImage);
