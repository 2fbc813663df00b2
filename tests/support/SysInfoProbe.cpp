#include <windows.h>

// Stands in for the System Information tool: leaves "<its own path>.ran"
// beside itself, holding the command line it was given.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    lstrcatA(path, ".ran");
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const char* commandLine = GetCommandLineA();
        DWORD written = 0;
        WriteFile(file, commandLine, lstrlenA(commandLine), &written, nullptr);
        CloseHandle(file);
    }
    return 0;
}
