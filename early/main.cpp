#include <windows.h>

#include "early/frmScreenshot.h"
#include "ui/MessageBox.h"
#include "ui/MessagePump.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ui::SetAppTitle("vdrcam-early");
    ui::InitializeForms(instance);
    try {
        early::frmScreenshot.Show();
    } catch (const std::exception& error) {
        ui::ReportFailure("frmScreenshot_Form_Load", error.what());
    }
    if (ui::LoadedFormCount() == 0) {
        return 0;
    }
    return ui::RunMessageLoop();
}
