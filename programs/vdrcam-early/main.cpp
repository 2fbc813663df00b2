#include <windows.h>

#include <optional>

#include "programs/Program.h"
#include "programs/vdrcam-early/Forms.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::optional<EarlyForms> forms;
    return RunProgram(instance, "vdrcam-early",
                      [&]() -> ui::Form& { return forms.emplace().frmScreenshot; });
}
