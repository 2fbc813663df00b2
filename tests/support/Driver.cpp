#include "Driver.h"

// tlhelp32.h needs the types of windows.h, which Driver.h brings.
#include <tlhelp32.h>

#include <stdexcept>

namespace driver {

std::string BinFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path);
    return full.substr(0, full.find_last_of('\\'));
}

Program::Program(const std::string& path, const std::string& arguments, const std::string& folder,
                 const std::string& outputFile) {
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    HANDLE output = INVALID_HANDLE_VALUE;
    if (!outputFile.empty()) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        output = CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, 0, nullptr);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = output;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr,
                                        output != INVALID_HANDLE_VALUE, 0, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &info);
    if (output != INVALID_HANDLE_VALUE) {
        CloseHandle(output);
    }
    if (!started) {
        throw std::runtime_error("cannot start " + path + ": error " +
                                 std::to_string(GetLastError()));
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    WaitForInputIdle(process_, 5000);
}

Program::~Program() {
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool Program::WaitForExit(DWORD milliseconds) {
    return WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

bool Program::Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

DWORD Program::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

namespace {

struct WindowSearch {
    DWORD process;
    const std::string* title;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (search->className) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, search->className) != 0) {
            return TRUE;
        }
    }
    if (search->title && Text(window) != *search->title) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

struct ChildSearch {
    const std::string* caption;
    const char* className;
    int index;
    HWND parent;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ChildSearch*>(data);
    if (GetParent(window) != search->parent) {
        return TRUE;
    }
    if (search->caption) {
        if (Text(window) == *search->caption) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, search->className) == 0 && search->index-- == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindWindowOf(DWORD process, const std::string& title, const char* className) {
    WindowSearch search{process, &title, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD process, const std::string& title, DWORD milliseconds) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindWindowOf(process, title)) != nullptr; }, milliseconds);
    return found;
}

bool WaitForWindowGone(DWORD process, const std::string& title, DWORD milliseconds) {
    return WaitFor([&] { return FindWindowOf(process, title) == nullptr; }, milliseconds);
}

bool AnyMessageBox(DWORD process) {
    WindowSearch search{process, nullptr, "#32770", nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

MessageBoxSeen WaitForMessageBox(DWORD process, DWORD milliseconds) {
    MessageBoxSeen box;
    WaitFor(
        [&] {
            WindowSearch search{process, nullptr, "#32770", nullptr};
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            box.window = search.found;
            return box.window != nullptr;
        },
        milliseconds);
    if (!box.window) {
        return box;
    }
    box.title = Text(box.window);
    // The text is the static control with the id 0xFFFF; the buttons carry the answers' ids.
    box.text = Text(GetDlgItem(box.window, 0xFFFF));
    for (int id : {IDOK, IDYES, IDNO, IDCANCEL}) {
        if (HWND button = GetDlgItem(box.window, id)) {
            box.buttons.push_back(Text(button));
        }
    }
    return box;
}

void Answer(const MessageBoxSeen& box, int button) {
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box.window, button)));
}

HWND Child(HWND parent, const std::string& caption) {
    ChildSearch search{&caption, nullptr, 0, parent, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND NthChild(HWND parent, const char* className, int index) {
    ChildSearch search{nullptr, className, index, parent, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Text(HWND window) {
    if (!window) {
        return {};
    }
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

void Type(HWND field, const std::string& text) {
    SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
}

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool Checked(HWND box) {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(box, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
    return state == BST_CHECKED;
}

bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

RECT RectInParent(HWND child) {
    RECT area{};
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

HWND ChildAt(HWND parent, const char* className, int left, int top) {
    for (int index = 0;; ++index) {
        HWND child = NthChild(parent, className, index);
        if (!child) {
            return nullptr;
        }
        const RECT area = RectInParent(child);
        if (area.left == left && area.top == top) {
            return child;
        }
    }
}

bool ProcessRunning(const char* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return false;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found;
         more = Process32Next(snapshot, &entry)) {
        found = lstrcmpiA(entry.szExeFile, exeName) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

}  // namespace driver
