#include <windows.h>

#include <optional>

#include "programs/Program.h"
#include "programs/vdrcam/Forms.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The forms end with WinMain, after the last window: the JPEGs still
    // being made are finished then, before the program exits.
    std::optional<VdrcamForms> forms;
    return RunProgram(instance, "vdrcam",
                      [&]() -> ui::Form& { return forms.emplace().frmScreenshot; });
}
