#pragma once

// Where a photo's time goes in a running camera: when the environment
// variable VDRCAM_PHOTO_STEPS names a file, each step's end is added to it
// as a line "milliseconds step", on the performance counter's clock. The
// benchmark reads it; a player's camera never has the variable.
void LogPhotoStepsWhereAsked();
