// Request-to-reply latency through the real poll of vdrcam.exe, next to the
// time of one capture on its own (by the "Take ScreenShot Now" button).
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "CameraSession.h"
#include "Stats.h"

int main(int argc, char** argv) {
    const int requests = argc > 1 ? std::atoi(argv[1]) : 120;
    const int manual = argc > 2 ? std::atoi(argv[2]) : 30;
    CameraSession camera;
    for (int i = 0; i < 3; ++i) {  // warm-up
        camera.ManualPhoto();
        camera.DropLastPhoto();
    }

    std::vector<double> captures;
    for (int i = 0; i < manual; ++i) {
        captures.push_back(camera.ManualPhoto());
        camera.DropLastPhoto();
    }

    // Requests arrive at random moments relative to the 100 ms poll.
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pause(0, 150);
    std::vector<double> latencies;
    int lost = 0;
    for (int i = 0; i < requests; ++i) {
        Sleep(static_cast<DWORD>(pause(random)));
        const double latency = camera.RequestedPhoto();
        if (latency < 0) {
            ++lost;
        } else {
            latencies.push_back(latency);
        }
        camera.DropLastPhoto();
    }

    const double capture = Median(captures);
    const double p95 = Percentile(latencies, 95);
    const double goal = 100 + capture + 20;
    std::printf("capture alone (button), median of %d:   %.1f ms\n", manual, capture);
    std::printf("request to reply, median of %zu:        %.1f ms\n", latencies.size(),
                Median(latencies));
    std::printf("request to reply, 95th percentile:       %.1f ms (goal <= %.1f: %s)\n", p95, goal,
                p95 <= goal ? "met" : "missed");
    std::printf("request to reply, slowest:               %.1f ms\n", Percentile(latencies, 100));
    std::printf("requests not answered within 10 s:       %d\n", lost);
    return lost == 0 ? 0 : 1;
}
