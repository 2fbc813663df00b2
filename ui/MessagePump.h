#pragma once

namespace ui {

// Delivers every message that is waiting now, then returns.
void DoEvents();

// Runs until the last form is unloaded; returns the exit code.
int RunMessageLoop();

// Waits up to the given time for messages, delivering them as they come.
void PumpFor(unsigned milliseconds);

}  // namespace ui
