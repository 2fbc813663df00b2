#include "capture/TakePhoto.h"

#include "capture/ReadBitmap.h"
#include "capture/ScreenGrab.h"
#include "core/photo/PhotoSteps.h"
#include "ui/MessagePump.h"

StoreOutcome TakeScreenPhoto(ui::Form& window, ui::Control& picture,
                             const CaptureSettings& settings, Variant& photoNumber,
                             ScreenRoute route, ReplyFile& reply, JpegQueue& jpegs,
                             TakenNumbers& numbers) {
    // Only the copy and the bitmap file come before the reply: the file is
    // written from the bitmap the copy filled, and the picture box shows it
    // once the game has its answer.
    ui::UniqueBitmap shot;
    const StoreOutcome outcome = CapturePhoto(
        settings, photoNumber,
        [&] {
            shot = GrabScreen(window.Hwnd(), route, picture.Image().Take());
            PhotoStepEnded("copy");
            std::optional<DibImage> read = ReadBitmap(shot.Get());
            PhotoStepEnded("read-out");
            return read;
        },
        reply, jpegs, numbers);
    // An unload delivered here empties the picture box; the photo is stored by then.
    ui::DoEvents();
    PhotoStepEnded("pump");
    picture.Image().Set(std::move(shot));
    window.Refresh();
    PhotoStepEnded("picture box and refresh");
    return outcome;
}
