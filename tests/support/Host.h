#pragma once

#include <windows.h>

// Whether the tests run under Wine, in the build's own prefix, rather than
// on someone's Windows, where the real registry and C: are that person's.
inline bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Whether a test may let a program make its default photo folder,
// C:\ScreenShots: always in the build's Wine prefix; on a real Windows only
// when the folder is there already, so that nothing on the user's C: changes.
inline bool MayUseTheDefaultShotFolder() {
    return RunningUnderWine() || GetFileAttributesA("C:\\ScreenShots") != INVALID_FILE_ATTRIBUTES;
}
