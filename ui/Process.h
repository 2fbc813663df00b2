#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class Form;

// What the window layer keeps for the whole process: the window classes,
// the loaded forms, and how failures are reported.

// Registers the window classes; call once before the first form loads.
void InitializeForms(HINSTANCE instance);
HINSTANCE FormsInstance();

// The window, never shown, that owns the forms without a taskbar button.
HWND HiddenOwner();

// The number of loaded forms; the program ends when it drops to zero.
int LoadedFormCount();

// Unloads every loaded form, the most recently loaded first.
void UnloadAllForms();

// Reports a failure that no step handled, once, in a message box naming what
// failed; the program goes on.
void ReportFailure(const std::string& what, const std::string& reason);

// Runs the work and reports whatever it throws, of any type, as a failure
// of `what`; nothing is passed on.
void RunReportingFailures(const std::string& what, const std::function<void()>& work) noexcept;

// Kept by Form as its windows come and go. A form unloaded by the user
// (endWhenLast) ends the program when it was the last one.
void NoteLoaded(Form& form);
void NoteUnloaded(Form& form, bool endWhenLast);

}  // namespace ui
