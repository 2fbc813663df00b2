#include "core/photo/PhotoSteps.h"

#include <atomic>

namespace {

std::atomic<PhotoStepListener> gListener{nullptr};

}  // namespace

void ListenToPhotoSteps(PhotoStepListener listener) { gListener = listener; }

void PhotoStepEnded(const char* step) {
    if (const PhotoStepListener listener = gListener.load(std::memory_order_relaxed)) {
        listener(step);
    }
}
