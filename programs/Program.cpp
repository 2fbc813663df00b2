#include "programs/Program.h"

#include "core/texts/CaptureTexts.h"
#include "programs/OneCamera.h"
#include "programs/StepLog.h"
#include "ui/Foreground.h"
#include "ui/MessageBox.h"
#include "ui/MessagePump.h"
#include "ui/Process.h"

int RunProgram(HINSTANCE instance, const char* title, const std::function<ui::Form&()>& mainForm) {
    ui::SetAppTitle(title);
    // Never two cameras: when that cannot be made sure of, the player is told why none starts.
    OneCamera camera;
    if (camera.Result() != OneCamera::Check::First) {
        if (camera.Result() == OneCamera::Check::CannotTell || !OneCamera::ShowTheRunningCamera()) {
            ui::MsgBox(kCannotTellOtherCamera);
        }
        return 0;
    }
    LogPhotoStepsWhereAsked();
    ui::InitializeForms(instance);
    ui::Form* main = nullptr;
    ui::RunReportingFailures("frmScreenshot_Form_Load", [&] {
        main = &mainForm();
        if (ui::FullScreenProgramInFront()) {
            main->ShowInBackground();
        } else {
            main->Show();
        }
    });
    // Without its main window the program has nothing to run: whatever its
    // start-up loaded goes too, so no hidden window keeps it alive.
    if (!main || !main->IsLoaded()) {
        ui::UnloadAllForms();
        return 0;
    }
    return ui::RunMessageLoop();
}
