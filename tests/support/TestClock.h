#pragma once

#include <chrono>

#include "core/exchange/ExchangeWorld.h"

// The clock the programs' windows run on in a test: the system's steady
// clock, put forward by the test, so that waiting seconds for the camera's
// patience to run out takes none.
class TestClock {
public:
    static TimePoint Now() { return std::chrono::steady_clock::now() + Ahead(); }
    static void Forward(std::chrono::milliseconds time) { Ahead() += time; }

private:
    static std::chrono::milliseconds& Ahead() {
        static std::chrono::milliseconds ahead{0};
        return ahead;
    }
};
