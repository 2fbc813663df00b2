#include "capture/TakePhoto.h"

#include "capture/ReadBitmap.h"
#include "capture/ScreenGrab.h"
#include "core/photo/FreeImageApi.h"
#include "core/photo/StorePhoto.h"
#include "ui/MessagePump.h"

void TakeScreenPhoto(ui::Form& window, ui::Control& picture, const CaptureSettings& settings,
                     Variant& photoNumber, ScreenRoute route) {
    CapturePhoto(
        settings, photoNumber,
        [&] {
            picture.Image().Set(GrabScreen(window.Hwnd(), route, picture.Image().Take()));
            ui::DoEvents();
            window.Refresh();
            return ReadBitmap(picture.Image().Get());
        },
        FreeImage());
}
