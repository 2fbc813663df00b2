#pragma once

#include "early/frmOptions.h"
#include "early/frmScreenshot.h"
#include "help/frmHelp.h"

// The forms of vdrcam-early, one of each for the whole run.
struct EarlyForms {
    early::FrmOptions frmOptions;
    FrmHelp frmHelp{Edition::First};
    early::FrmScreenshot frmScreenshot{frmOptions, frmHelp};
};
