#include "capture/TakePhoto.h"

#include "capture/ReadBitmap.h"
#include "capture/ScreenGrab.h"
#include "ui/MessagePump.h"

StoreOutcome TakeScreenPhoto(ui::Form& window, ui::Control& picture,
                             const CaptureSettings& settings, Variant& photoNumber,
                             ScreenRoute route, ReplyFile& reply, JpegQueue& jpegs) {
    return CapturePhoto(
        settings, photoNumber,
        [&] {
            ui::UniqueBitmap shot = GrabScreen(window.Hwnd(), route, picture.Image().Take());
            // An unload delivered here empties the picture box; the shot is
            // put there only afterwards, so it is stored all the same.
            ui::DoEvents();
            picture.Image().Set(std::move(shot));
            window.Refresh();
            return ReadBitmap(picture.Image().Get());
        },
        reply, jpegs);
}
