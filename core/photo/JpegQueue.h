#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "core/photo/FreeImageApi.h"
#include "core/photo/JpegExport.h"

// Makes JPEGs on a thread of its own, one at a time, in the order they were
// asked for, so that no JPEG, however large, keeps the camera from its next
// request. The thread starts with the first JPEG. Ending the queue first
// makes every JPEG already asked for: none is lost when the program closes.
class JpegQueue {
public:
    // The library is asked for when the first JPEG is made.
    explicit JpegQueue(std::function<const FreeImageApi&()> freeImage = FreeImage);
    ~JpegQueue();
    JpegQueue(const JpegQueue&) = delete;
    JpegQueue& operator=(const JpegQueue&) = delete;

    void Add(JpegJob job);

    // Waits until every JPEG asked for so far is made, or has failed.
    void Finish();

    // The JPEGs asked for and not yet made or failed.
    size_t Due();

    // The latest JPEG not made, until one is made or this is forgotten (as
    // when no more JPEGs are asked for).
    std::optional<JpegNotMade> NotMade();
    void ForgetNotMade();

private:
    void Run();

    std::function<const FreeImageApi&()> freeImage_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<JpegJob> jobs_;  // the one being made stays first until it is done
    std::optional<JpegNotMade> notMade_;
    bool closing_ = false;
    std::thread worker_;
};
