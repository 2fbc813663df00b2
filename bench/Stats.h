#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Nearest-rank percentile of the samples, in their own unit.
inline double Percentile(std::vector<double> samples, double percent) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const size_t rank = static_cast<size_t>(percent / 100.0 * (samples.size() - 1) + 0.5);
    return samples[std::min(rank, samples.size() - 1)];
}

inline double Median(const std::vector<double>& samples) { return Percentile(samples, 50); }

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double Milliseconds() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
            .count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};
