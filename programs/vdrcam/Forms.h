#pragma once

#include "current/frmOptions.h"
#include "current/frmScreenshot.h"
#include "help/frmHelp.h"

// The forms of vdrcam, one of each for the whole run, on the clock given.
struct VdrcamForms {
    explicit VdrcamForms(Clock clock = std::chrono::steady_clock::now)
        : frmScreenshot(frmOptions, frmHelp, std::move(clock)) {}

    FrmOptions frmOptions;
    FrmHelp frmHelp{Edition::Current};
    FrmScreenshot frmScreenshot;
};
