#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// What the window layer keeps for the whole process: the instance the
// windows are made with, the owner of the forms without a taskbar button,
// and how failures are reported.

// Keeps the instance and makes the owner window; the window classes must
// be registered by then.
void KeepFormsInstance(HINSTANCE instance);
HINSTANCE FormsInstance();

// The window, never shown, that owns the forms without a taskbar button.
HWND HiddenOwner();

// Reports a failure that no step handled, once, in a message box naming what
// failed; the program goes on.
void ReportFailure(const std::string& what, const std::string& reason);

// Runs the work and reports whatever it throws, of any type, as a failure
// of `what`; nothing is passed on.
void RunReportingFailures(const std::string& what, const std::function<void()>& work) noexcept;

}  // namespace ui
