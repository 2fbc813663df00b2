#pragma once

#include <windows.h>

#include <functional>

#include "ui/Form.h"

// The body of both programs: one camera at a time (a second start shows the
// running one and ends), the application's title, the window classes, the
// forms (built by mainForm, which returns the main window), the main window
// shown (minimised behind a full-screen game that holds the front), then the
// message loop until the last window has gone. A failure to
// build or load the main window is reported, and the program ends. Returns
// the exit code.
int RunProgram(HINSTANCE instance, const char* title, const std::function<ui::Form&()>& mainForm);
