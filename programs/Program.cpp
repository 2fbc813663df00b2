#include "programs/Program.h"

#include "ui/MessageBox.h"
#include "ui/MessagePump.h"
#include "ui/Process.h"

int RunProgram(HINSTANCE instance, const char* title, const std::function<ui::Form&()>& mainForm) {
    ui::SetAppTitle(title);
    ui::InitializeForms(instance);
    ui::RunReportingFailures("frmScreenshot_Form_Load", [&] { mainForm().Show(); });
    if (ui::LoadedFormCount() == 0) {
        return 0;
    }
    return ui::RunMessageLoop();
}
