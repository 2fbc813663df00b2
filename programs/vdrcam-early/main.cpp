#include <windows.h>

#include "programs/Program.h"
#include "programs/vdrcam-early/Forms.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return RunProgram(instance, "vdrcam-early", []() -> ui::Form& {
        static EarlyForms forms;
        return forms.frmScreenshot;
    });
}
