#include <algorithm>
#include <array>
#include <cstdint>

#include "help/SysInfoKeys.h"
#include "help/frmHelp.h"
#include "ui/Handles.h"
#include "ui/MessageBox.h"

namespace {

// A file that a plain directory listing shows: not a folder, hidden or system file.
bool IsOrdinaryFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

// Starts the program named by the path itself, never by parsing an unquoted
// command line, so a path with spaces cannot start some other program.
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
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

bool FrmHelp::GetKeyValue(HKEY keyRoot, const std::string& keyName, const std::string& subKeyRef,
                          std::string& keyValue, REGSAM view) {
    ui::UniqueKey key;
    if (RegOpenKeyExA(keyRoot, keyName.c_str(), 0, KEY_QUERY_VALUE | view, key.Out()) !=
        ERROR_SUCCESS) {
        keyValue.clear();
        return false;
    }
    std::array<char, 1024> buffer{};
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD type = 0;
    if (RegQueryValueExA(key.Get(), subKeyRef.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        keyValue.clear();
        return false;
    }
    if (size == 0) {
        throw RegistryValueError("the registry value " + subKeyRef + " has no data");
    }
    size = std::min<DWORD>(size, static_cast<DWORD>(buffer.size()));
    // Exactly one trailing zero is dropped, never more.
    const std::string kept(buffer.data(), buffer[size - 1] == '\0' ? size - 1 : size);
    if (type == REG_SZ) {
        keyValue = kept;
    } else if (type == REG_DWORD) {
        uint32_t number = 0;
        for (size_t i = std::min<size_t>(kept.size(), 4); i-- > 0;) {
            number = (number << 8) | static_cast<uint8_t>(kept[i]);
        }
        keyValue = std::to_string(number);
    }
    return true;
}

void FrmHelp::StartSysInfo() {
    // Windows keeps the tool's entries in its own, 64-bit view; a 32-bit
    // set-up may have left them in the other one.
    const auto read = [this](const char* key, const char* value, std::string& text) {
        return GetKeyValue(HKEY_LOCAL_MACHINE, key, value, text, KEY_WOW64_64KEY) ||
               GetKeyValue(HKEY_LOCAL_MACHINE, key, value, text, KEY_WOW64_32KEY);
    };
    bool started = false;
    try {
        std::string path;
        if (read(kToolKey, kToolValue, path)) {
            started = StartProgram(path);
        } else if (read(kToolFolderKey, kToolFolderValue, path) &&
                   IsOrdinaryFile(path + kToolFile)) {
            started = StartProgram(path + kToolFile);
        }
    } catch (const std::exception&) {
        started = false;
    }
    if (!started) {
        ui::MsgBox(kSysInfoUnavailable);
    }
}
