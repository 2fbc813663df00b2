#pragma once

#include "capture/ScreenRoute.h"
#include "core/exchange/RequestFiles.h"
#include "core/photo/CaptureSettings.h"
#include "core/photo/StorePhoto.h"
#include "core/settings/Variant.h"
#include "ui/Form.h"

// One photo of the screen: grabbed by the route, stored from the given
// settings under the first free number from photoNumber on and answered
// through the reply file, then put in the window's hidden picture box and
// the window repainted; its JPEG, if one is asked for, goes to the queue. A
// window closed while it runs does not lose the photo.
StoreOutcome TakeScreenPhoto(ui::Form& window, ui::Control& picture,
                             const CaptureSettings& settings, Variant& photoNumber,
                             ScreenRoute route, ReplyFile& reply, JpegQueue& jpegs,
                             TakenNumbers& numbers);
