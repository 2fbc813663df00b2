#pragma once

#include "capture/ScreenRoute.h"
#include "core/photo/CaptureSettings.h"
#include "core/settings/Variant.h"
#include "ui/Form.h"

// One photo of the screen: grabbed by the route into the window's hidden
// picture box, the window repainted, then stored from the given settings
// under the first free number from photoNumber on, which it then advances.
void TakeScreenPhoto(ui::Form& window, ui::Control& picture, const CaptureSettings& settings,
                     Variant& photoNumber, ScreenRoute route);
