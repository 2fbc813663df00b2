#pragma once

#include <windows.h>

#include <functional>

#include "ui/Form.h"

// The body of both programs, around mainForm, which builds the forms and
// returns the main window. Returns the exit code.
int RunProgram(HINSTANCE instance, const char* title, const std::function<ui::Form&()>& mainForm);
