#include "help/SysInfo.h"

#include "ui/Handles.h"

bool IsOrdinaryFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool StartProgram(const std::string& path) {
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (path.empty() || !CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                        0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    const ui::UniqueHandle thread(process.hThread);
    const ui::UniqueHandle started(process.hProcess);
    return true;
}
