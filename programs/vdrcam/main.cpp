#include <windows.h>

#include "programs/Program.h"
#include "programs/vdrcam/Forms.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return RunProgram(instance, "vdrcam", []() -> ui::Form& {
        static VdrcamForms forms;
        return forms.frmScreenshot;
    });
}
