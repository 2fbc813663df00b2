#pragma once

#include "early/frmOptions.h"
#include "early/frmScreenshot.h"
#include "help/frmHelp.h"

// The forms of vdrcam-early, one of each for the whole run, on the clock given.
struct EarlyForms {
    explicit EarlyForms(Clock clock = std::chrono::steady_clock::now)
        : frmScreenshot(frmOptions, frmHelp, std::move(clock)) {}

    early::FrmOptions frmOptions;
    FrmHelp frmHelp{Edition::First};
    early::FrmScreenshot frmScreenshot;
};
