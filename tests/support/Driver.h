#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Drives the real programs from outside, as a player would: starts them,
// finds their windows by title, clicks buttons, types into fields, reads
// texts and answers message boxes.
namespace driver {

// The folder of the running test program, where the built programs are too.
std::string BinFolder();

class Program {
public:
    // Starts the program, in the given working folder when one is named;
    // its standard output goes to outputFile when one is named.
    explicit Program(const std::string& path, const std::string& arguments = "",
                     const std::string& folder = "", const std::string& outputFile = "");
    ~Program();  // a program still running is ended, so no process is left behind
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_; }
    bool WaitForExit(DWORD milliseconds);
    bool Running() const;
    DWORD ExitCode() const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = 5000);

// A visible top-level window of the process with that title and class.
HWND FindWindowOf(DWORD process, const std::string& title, const char* className = nullptr);
HWND WaitForWindow(DWORD process, const std::string& title, DWORD milliseconds = 5000);
bool WaitForWindowGone(DWORD process, const std::string& title, DWORD milliseconds = 5000);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
};

// A message box of the process: a dialog window (#32770) with a text and buttons.
MessageBoxSeen WaitForMessageBox(DWORD process, DWORD milliseconds = 5000);
bool AnyMessageBox(DWORD process);
void Answer(const MessageBoxSeen& box, int button);  // IDOK, IDYES, IDNO

// The child window with that caption (buttons, check boxes) or, for fields
// without a caption, the n-th child of a class in creation order.
HWND Child(HWND parent, const std::string& caption);
HWND NthChild(HWND parent, const char* className, int index);

std::string Text(HWND window);
void Type(HWND field, const std::string& text);
void Click(HWND button);
bool Checked(HWND box);
bool Enabled(HWND window);
SIZE ClientSize(HWND window);
RECT RectInParent(HWND child);

}  // namespace driver

namespace driver {

// The child of that class whose top-left corner is at the given pixel.
HWND ChildAt(HWND parent, const char* className, int left, int top);

// Whether any process of that program name is running.
bool ProcessRunning(const char* exeName);

}  // namespace driver
