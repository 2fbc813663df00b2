#include "app/frmScreenshot.h"
#include "capture/FreeImageApi.h"
#include "capture/ReadBitmap.h"
#include "capture/ScreenGrab.h"
#include "capture/StorePhoto.h"
#include "ui/MessagePump.h"

void FrmScreenshot::TakePhoto() {
    CapturePhoto(
        [this] {
            picScreen.Image().Set(GrabScreen(Hwnd()));
            ui::DoEvents();
            Refresh();
            return ReadBitmap(picScreen.Image().Get());
        },
        FreeImage());
}
