#pragma once

#include "current/frmOptions.h"
#include "current/frmScreenshot.h"
#include "help/frmHelp.h"

// The forms of vdrcam, one of each for the whole run.
struct VdrcamForms {
    FrmOptions frmOptions;
    FrmHelp frmHelp{Edition::Current};
    FrmScreenshot frmScreenshot{frmOptions, frmHelp};
};
