#pragma once

#include <windows.h>

#include <string>

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

// Whether HKEY_LOCAL_MACHINE\Software has a 32-bit and a 64-bit view, as on
// 64-bit Windows. 32-bit Windows (a 32-bit Wine prefix) has one, which
// KEY_WOW64_32KEY and KEY_WOW64_64KEY both name: the last value written
// there stands.
inline bool TwoRegistryViews() {
    BOOL wow64 = FALSE;
    return sizeof(void*) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64);
}

// Starts a Linux program from under Wine. Wine neither waits for it nor
// passes on its exit code, so callers wait for what it does. Nor does it
// give handles for it: what it leaves in the process information is stack
// garbage, and closing that closed other handles of this process (the
// registry sandbox's, in the 32-bit build).
inline bool StartLinuxProgram(const char* program, std::string command) {
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION unusable{};
    return CreateProcessA(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &unusable) != FALSE;
}
