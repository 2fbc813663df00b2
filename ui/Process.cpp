#include "ui/Process.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "ui/Form.h"
#include "ui/MessageBox.h"
#include "ui/WindowClasses.h"

namespace ui {
namespace {

HINSTANCE gInstance = nullptr;
HWND gHiddenOwner = nullptr;

// The loaded forms, in load order. Never destroyed: forms that outlive main
// still find it when they go.
std::vector<Form*>& Loaded() {
    static auto* loaded = new std::vector<Form*>;
    return *loaded;
}

}  // namespace

void InitializeForms(HINSTANCE instance) {
    if (gInstance) {
        return;
    }
    gInstance = instance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClasses(instance, Form::WindowProc, LoadIconA(instance, MAKEINTRESOURCEA(1)));
    gHiddenOwner = CreateWindowExA(0, kOwnerClass, AppTitle().c_str(), WS_POPUP, 0, 0, 0, 0,
                                   nullptr, nullptr, instance, nullptr);
}

HINSTANCE FormsInstance() { return gInstance; }

HWND HiddenOwner() { return gHiddenOwner; }

int LoadedFormCount() { return static_cast<int>(Loaded().size()); }

void UnloadAllForms() {
    // A form's unload may unload others, so the list is read afresh each time.
    std::vector<Form*> tried;
    for (;;) {
        auto next = std::find_if(Loaded().rbegin(), Loaded().rend(), [&](Form* form) {
            return std::find(tried.begin(), tried.end(), form) == tried.end();
        });
        if (next == Loaded().rend()) {
            return;
        }
        tried.push_back(*next);
        (*next)->Unload();
    }
}

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

void NoteLoaded(Form& form) { Loaded().push_back(&form); }

void NoteUnloaded(Form& form, bool endWhenLast) {
    const auto at = std::find(Loaded().begin(), Loaded().end(), &form);
    if (at == Loaded().end()) {
        return;
    }
    Loaded().erase(at);
    if (Loaded().empty() && endWhenLast) {
        PostQuitMessage(0);
    }
}

}  // namespace ui
