#include "core/photo/JpegQueue.h"

#include <chrono>

namespace {

// Every wait looks again this often: a wake-up lost by the thread library
// (seen under Wine 10 with MinGW's threads, a worker asleep beside a JPEG
// due) then costs a tenth of a second, never the JPEGs or the exit.
constexpr std::chrono::milliseconds kLookAgain{100};

template <typename Condition>
void WaitUntil(std::condition_variable& changed, std::unique_lock<std::mutex>& lock,
               Condition condition) {
    while (!changed.wait_for(lock, kLookAgain, condition)) {
    }
}

}  // namespace

JpegQueue::JpegQueue(std::function<const FreeImageApi&()> freeImage)
    : freeImage_(std::move(freeImage)) {}

JpegQueue::~JpegQueue() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) {
        worker_.join();
    }
}

void JpegQueue::Add(JpegJob job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
        if (!worker_.joinable()) {
            worker_ = std::thread([this] { Run(); });
        }
    }
    changed_.notify_all();
}

void JpegQueue::Finish() {
    std::unique_lock lock(mutex_);
    WaitUntil(changed_, lock, [this] { return jobs_.empty(); });
}

size_t JpegQueue::Due() {
    std::lock_guard lock(mutex_);
    return jobs_.size();
}

std::optional<JpegNotMade> JpegQueue::NotMade() {
    std::lock_guard lock(mutex_);
    return notMade_;
}

void JpegQueue::ForgetNotMade() {
    std::lock_guard lock(mutex_);
    notMade_.reset();
}

void JpegQueue::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        WaitUntil(changed_, lock, [this] { return closing_ || !jobs_.empty(); });
        if (jobs_.empty()) {
            return;  // closing, with nothing left to make
        }
        const JpegJob job = jobs_.front();
        lock.unlock();
        JpegOutcome outcome = JpegOutcome::NotWritten;
        try {
            outcome = ExportJpeg(freeImage_(), job);
        } catch (...) {
            // Out of memory, say: that JPEG is not made, and the next ones still are.
        }
        lock.lock();
        notMade_ = outcome == JpegOutcome::Made ? std::nullopt
                                                : std::optional(JpegNotMade{job.number, outcome});
        jobs_.pop_front();
        changed_.notify_all();
    }
}
