#include <windows.h>

#include <gtest/gtest.h>

#include "RegistrySandbox.h"
#include "ui/Form.h"
#include "ui/MessageBox.h"

// For suites that drive the program's own windows in this process: the
// window classes are registered and the registry is redirected to scratch keys.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ui::SetAppTitle(VDR_APP_TITLE);
    ui::InitializeForms(GetModuleHandleA(nullptr));
    sandbox::Install();
    const int result = RUN_ALL_TESTS();
    sandbox::Remove();
    return result;
}
