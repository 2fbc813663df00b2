#include "ui/Process.h"

#include <exception>

#include "ui/MessageBox.h"
#include "ui/WindowClasses.h"

namespace ui {
namespace {

HINSTANCE gInstance = nullptr;
HWND gHiddenOwner = nullptr;

}  // namespace

void KeepFormsInstance(HINSTANCE instance) {
    gInstance = instance;
    gHiddenOwner = CreateWindowExA(0, kOwnerClass, AppTitle().c_str(), WS_POPUP, 0, 0, 0, 0,
                                   nullptr, nullptr, instance, nullptr);
}

HINSTANCE FormsInstance() { return gInstance; }

HWND HiddenOwner() { return gHiddenOwner; }

void ReportFailure(const std::string& what, const std::string& reason) {
    MsgBox(what + " failed: " + reason);
}

void RunReportingFailures(const std::string& what, const std::function<void()>& work) noexcept {
    try {
        try {
            work();
        } catch (const std::exception& error) {
            ReportFailure(what, error.what());
        } catch (...) {
            ReportFailure(what, "an unexpected error");
        }
    } catch (...) {
        // The report failed as well (out of memory, say); there is no other way to tell.
    }
}

}  // namespace ui
