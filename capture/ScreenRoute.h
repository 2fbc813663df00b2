#pragma once

#include "core/photo/ScreenRoute.h"

// The route for a capture starting now, from what this system's Print
// Screen key would do.
ScreenRoute ChooseScreenRoute();

// The checks behind it.
bool PrintScreenDeliversAPicture();
bool PrintScreenOpensSnipping();
bool PrintScreenHeldByAnotherProgram();
