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

// The storing half of a capture, for the photo number given as text: the
// bitmap file, the JPEG the switches ask for, then the reply file for the
// game. Every failure is skipped silently and the next step runs.
void StorePhoto(const CaptureSettings& settings, const std::string& number,
                const std::optional<DibImage>& picture, const FreeImageApi& freeImage);
