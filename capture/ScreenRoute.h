#pragma once

#include "core/photo/ScreenRoute.h"

// The route for a capture starting now, from what this system's Print
// Screen key would do.
ScreenRoute ChooseScreenRoute();

// The checks behind it.
bool RunsUnderWine();
bool PrintScreenDeliversAPicture();
bool PrintScreenOpensSnipping();
bool PrintScreenHeldByAnotherProgram();

// Whether this program's screen copies are shown the screen. Under Wine's
// Wayland driver a program sees no window's pixels, not even its own: every
// copy comes back black, whatever the screen shows. Told by the driver
// loaded, never by a photo's pixels, so a game showing a black screen is
// never taken for it.
bool CopiesSeeTheScreen();
