// Request-to-reply latency of vdrcam.exe, next to the time of one capture
// on its own (by the "Take ScreenShot Now" button) and to a bare screen
// copy plus BMP write made here, on the same screen, in the same run: the
// least any camera could do for a photo. Their difference is the wait
// between a request's making and the camera's noticing it. With "jpeg",
// every photo is also a full-size JPEG, with "WIDTHxHEIGHT" a rescaled one,
// and the time until the JPEG is there is given too. VDR_BENCH_CAMERA names
// another folder's vdrcam.exe, an earlier one's, say.
//   latency_bench [REQUESTS] [BUTTON_PRESSES] [jpeg | WIDTHxHEIGHT]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "BareCopy.h"
#include "CameraSession.h"
#include "Stats.h"

int main(int argc, char** argv) {
    const int requests = argc > 1 ? std::atoi(argv[1]) : 120;
    const int manual = argc > 2 ? std::atoi(argv[2]) : 30;
    const std::string jpeg = argc > 3 ? argv[3] : "";
    const size_t by = jpeg.find('x');
    const bool jpegs = !jpeg.empty();
    CameraSession camera(by == std::string::npos ? CameraSession::Settings{}
                                                 : CameraSession::Settings{
                                                       {"Resize", "1"},
                                                       {"WidthP", jpeg.substr(0, by)},
                                                       {"HeightP", jpeg.substr(by + 1)},
                                                   });
    if (jpeg == "jpeg") {
        camera.AskForJpegs();
    }
    // Each photo's JPEG is there before the photo is dropped.
    const auto drop = [&](std::vector<double>* jpegTimes) {
        if (jpegs) {
            const double ready = camera.WaitForJpeg();
            if (jpegTimes && ready >= 0) {
                jpegTimes->push_back(ready);
            }
        }
        camera.DropLastPhoto();
    };
    for (int i = 0; i < 3; ++i) {  // warm-up
        camera.ManualPhoto();
        drop(nullptr);
    }

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string barePath = std::string(temp) + "vdrcam-bare.bmp";
    std::vector<double> bare, captures;
    for (int i = 0; i < manual; ++i) {
        bare.push_back(BareCopyAndWrite(barePath));
        DeleteFileA(barePath.c_str());
        captures.push_back(camera.ManualPhoto());
        drop(nullptr);
    }

    // Requests arrive at random moments relative to the 100 ms poll.
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pause(0, 150);
    std::vector<double> latencies, jpegTimes;
    int lost = 0;
    for (int i = 0; i < requests; ++i) {
        Sleep(static_cast<DWORD>(pause(random)));
        const double latency = camera.RequestedPhoto();
        if (latency < 0) {
            ++lost;
        } else {
            latencies.push_back(latency);
        }
        drop(&jpegTimes);
        // The reference taken between requests too, so that a machine
        // slowing down meanwhile moves both alike.
        bare.push_back(BareCopyAndWrite(barePath));
        DeleteFileA(barePath.c_str());
    }

    const double reference = Median(bare);
    const double capture = Median(captures);
    const double median = Median(latencies);
    std::printf("screen %dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::printf("bare screen copy + BMP write, median of %zu:  %.1f ms\n", bare.size(), reference);
    std::printf("bare screen copy + BMP write, 95th percentile: %.1f ms\n", Percentile(bare, 95));
    std::printf("capture alone (button), median of %d:          %.1f ms\n", manual, capture);
    std::printf("request to reply, median of %zu:               %.1f ms\n", latencies.size(),
                median);
    std::printf("request to reply, 95th percentile:             %.1f ms\n",
                Percentile(latencies, 95));
    std::printf("the wait (request to reply - capture alone):   %.1f ms\n", median - capture);
    std::printf("request to reply, fastest:                     %.1f ms\n",
                Percentile(latencies, 0));
    std::printf("request to reply, slowest:                     %.1f ms\n",
                Percentile(latencies, 100));
    std::printf(
        "request to reply / bare: median %.2fx (goal 1.05x + 3 ms: %.1f ms), "
        "95th %.2fx (goal 1.3x + 5 ms: %.1f ms)\n",
        median / reference, 1.05 * reference + 3, Percentile(latencies, 95) / Percentile(bare, 95),
        1.3 * Percentile(bare, 95) + 5);
    if (jpegs) {
        std::printf("request to JPEG (%s), median of %zu:  %.1f ms\n", jpeg.c_str(),
                    jpegTimes.size(), Median(jpegTimes));
    }
    std::printf("requests not answered within 10 s:             %d\n", lost);
    return lost == 0 ? 0 : 1;
}
