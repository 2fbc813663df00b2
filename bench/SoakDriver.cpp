// Thousands of captures in one run of vdrcam.exe, with its memory and handle
// figures before and after. Wine reports the working set and the commit
// charge of another process, but neither private bytes nor GDI/USER object
// counts; those are printed as "not reported" there.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "CameraSession.h"

namespace {

struct Figures {
    SIZE_T privateBytes = 0;
    SIZE_T commit = 0;
    SIZE_T workingSet = 0;
    DWORD gdi = 0;
    DWORD user = 0;
};

Figures Measure(HANDLE process) {
    Figures figures;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        figures.privateBytes = memory.PrivateUsage;
        figures.commit = memory.PagefileUsage;
        figures.workingSet = memory.WorkingSetSize;
    }
    figures.gdi = GetGuiResources(process, GR_GDIOBJECTS);
    figures.user = GetGuiResources(process, GR_USEROBJECTS);
    return figures;
}

std::string Count(SIZE_T value, const char* unit) {
    return value == 0 ? std::string("not reported") : std::to_string(value) + unit;
}

void Print(const char* when, const Figures& f) {
    std::printf(
        "%-6s private bytes %s, commit %s, working set %s, GDI objects %s, USER objects %s\n", when,
        Count(f.privateBytes, " B").c_str(), Count(f.commit, " B").c_str(),
        Count(f.workingSet, " B").c_str(), Count(f.gdi, "").c_str(), Count(f.user, "").c_str());
}

double Change(SIZE_T before, SIZE_T after) {
    return before == 0 ? 0
                       : 100.0 * (static_cast<double>(after) - static_cast<double>(before)) /
                             static_cast<double>(before);
}

}  // namespace

int main(int argc, char** argv) {
    const int captures = argc > 1 ? std::atoi(argv[1]) : 2000;
    CameraSession camera;
    for (int i = 0; i < 20; ++i) {  // let caches and the first allocations settle
        camera.ManualPhoto();
        camera.DropLastPhoto();
    }
    Sleep(500);
    const Figures start = Measure(camera.Process());
    Print("start", start);

    int failed = 0;
    for (int i = 1; i <= captures; ++i) {
        if (camera.ManualPhoto() < 0) {
            ++failed;
        }
        camera.DropLastPhoto();
        if (i % 500 == 0) {
            const Figures now = Measure(camera.Process());
            std::printf("after %d captures: commit %s, working set %s\n", i,
                        Count(now.commit, " B").c_str(), Count(now.workingSet, " B").c_str());
            std::fflush(stdout);
        }
    }
    Sleep(500);
    const Figures end = Measure(camera.Process());
    Print("end", end);
    const SIZE_T before = start.privateBytes ? start.privateBytes : start.commit;
    const SIZE_T after = end.privateBytes ? end.privateBytes : end.commit;
    std::printf("%d captures, %d without a reply; %s changed by %+.2f%%; ", captures, failed,
                start.privateBytes ? "private bytes" : "commit charge", Change(before, after));
    if (start.gdi || start.user) {
        std::printf("GDI %+ld, USER %+ld\n",
                    static_cast<long>(end.gdi) - static_cast<long>(start.gdi),
                    static_cast<long>(end.user) - static_cast<long>(start.user));
    } else {
        std::printf("GDI and USER objects not reported here\n");
    }
    return failed == 0 ? 0 : 1;
}
