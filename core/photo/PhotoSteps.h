#pragma once

// Where a photo's time goes: each step of a photo's path says when it ends,
// to whoever listens. The benchmark does; the programs only when asked to
// log the steps, and otherwise a step's end costs one load.
using PhotoStepListener = void (*)(const char* step);
void ListenToPhotoSteps(PhotoStepListener listener);  // nullptr: nobody
void PhotoStepEnded(const char* step);
