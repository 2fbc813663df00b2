#pragma once

#include <functional>
#include <optional>

#include "capture/DibImage.h"
#include "capture/FreeImageApi.h"

// One capture, in order: choose the number (the first one whose bitmap file
// is not in the screenshot folder), take the picture, store it, advance the
// number.
void CapturePhoto(const std::function<std::optional<DibImage>()>& takePicture,
                  const FreeImageApi& freeImage);

// The storing half of a capture, for photo number PhotoNumber: the bitmap
// file, the JPEG the switches ask for, then the reply file for the game.
// Every failure is skipped silently and the next step runs.
void StorePhoto(const std::optional<DibImage>& picture, const FreeImageApi& freeImage);
