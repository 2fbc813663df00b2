// Screen copy figures on this screen: the route a capture takes here, into
// the previous capture's bitmap as a photo does and into a new one, the
// Print Screen route on its own (with its bounded wait for the clipboard),
// the direct GDI copy, reading the pixels and writing the bitmap file.
// Medians in ms.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Stats.h"
#include "capture/ReadBitmap.h"
#include "capture/ScreenGrab.h"
#include "core/photo/BitmapFile.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "vdrcam-capture-bench.bmp";

    std::vector<double> chosen, fresh, printScreen, gdi, read, write;
    ui::UniqueBitmap previous = GrabScreen(nullptr, ChooseScreenRoute());
    for (int i = 0; i < runs; ++i) {
        {
            Stopwatch watch;
            previous = GrabScreen(nullptr, ChooseScreenRoute(), std::move(previous));
            chosen.push_back(watch.Milliseconds());
        }
        {
            Stopwatch watch;
            ui::UniqueBitmap grabbed = GrabScreen(nullptr, ChooseScreenRoute());
            fresh.push_back(watch.Milliseconds());
        }
        {
            Stopwatch watch;
            ui::UniqueBitmap grabbed = GrabScreen(nullptr, ScreenRoute::PrintScreen);
            printScreen.push_back(watch.Milliseconds());
        }
        Stopwatch copyWatch;
        ui::UniqueBitmap copied = CopyScreen();
        gdi.push_back(copyWatch.Milliseconds());
        Stopwatch readWatch;
        const auto picture = ReadBitmap(copied.Get());
        read.push_back(readWatch.Milliseconds());
        DeleteFileA(path.c_str());  // a photo never replaces another
        Stopwatch writeWatch;
        if (picture) {
            SaveNewBitmapFile(*picture, path + ".tmp", path);
        }
        write.push_back(writeWatch.Milliseconds());
    }
    DeleteFileA(path.c_str());
    std::printf(
        "%dx%d  route taken (%s) %.1f, into a new bitmap %.1f  print-screen route %.1f  "
        "gdi copy %.1f  read pixels %.1f  bmp write %.1f\n",
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
        ChooseScreenRoute() == ScreenRoute::PrintScreen ? "Print Screen" : "direct copy",
        Median(chosen), Median(fresh), Median(printScreen), Median(gdi), Median(read),
        Median(write));
    return 0;
}
