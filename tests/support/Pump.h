#pragma once

#include <functional>

#include "ui/Control.h"

// The program's own windows, in the test's process and thread.

// Pumps messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, unsigned milliseconds = 3000);

// Drops the quit message that the last form's unload leaves behind, so the
// next test's message loop does not end at once.
void DiscardQuit();

// How many windows of this thread carry that title.
int CountThreadWindowsTitled(const char* title);

// Clicks a button or check box as the user does, and returns once its
// handler has run.
void Click(ui::Control& control);

// Ticks of a window's timer, given rather than waited for: the test's clock
// is put forward a tick's time before each, and the messages they leave are
// delivered.
void Ticks(const std::function<void()>& tick, int count = 1);
