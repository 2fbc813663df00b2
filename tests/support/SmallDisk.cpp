#include "SmallDisk.h"

#include <windows.h>

#include <algorithm>

#include "Driver.h"
#include "Host.h"

namespace small_disk {
namespace {

// The fixture's own script, a Linux program; callers wait for the outcome.
void RunScript(const char* action) {
#if defined(VDR_SMALL_DISK_SCRIPT) && defined(VDR_SMALL_DISK) && defined(VDR_WINEPREFIX)
    if (RunningUnderWine()) {
        StartLinuxProgram("Z:\\usr\\bin\\env", std::string("/usr/bin/env WINEPREFIX=" VDR_WINEPREFIX
                                                           " /bin/sh " VDR_SMALL_DISK_SCRIPT " ") +
                                                   action + " " + VDR_SMALL_DISK);
    }
#else
    (void)action;
#endif
}

}  // namespace

bool Available() {
    ULARGE_INTEGER size{};
    return GetDiskFreeSpaceExA("S:\\", nullptr, &size, nullptr) && size.QuadPart <= (16u << 20);
}

bool GoAway() {
    if (!Available()) {
        return false;
    }
    RunScript("down");
    return driver::WaitFor([] { return !Available(); });
}

bool ComeBack() {
    RunScript("up");
    return driver::WaitFor(Available);
}

std::string FolderWithoutRoom() {
#if defined(VDR_SMALL_DISK)
    std::string folder = "Z:" VDR_SMALL_DISK ".noroom/Shots";
    std::replace(folder.begin(), folder.end(), '/', '\\');
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (RunningUnderWine() && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return folder;
    }
#endif
    return "";
}

}  // namespace small_disk
