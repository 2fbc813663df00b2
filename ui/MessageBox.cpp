#include "ui/MessageBox.h"

#include <windows.h>

namespace ui {
namespace {

std::string& Title() {
    static std::string title;
    return title;
}

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

}  // namespace

void SetAppTitle(std::string title) { Title() = std::move(title); }

const std::string& AppTitle() { return Title(); }

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

Answer MsgBox(const std::string& text, Buttons buttons) {
    if (Handler()) {
        return Handler()(text, buttons);
    }
    // Task-modal: every window of the program waits for the answer, as the
    // player expects, while timers keep being delivered.
    const UINT style =
        (buttons == Buttons::YesNo ? MB_YESNO : MB_OK) | MB_TASKMODAL | MB_SETFOREGROUND;
    const int result = MessageBoxA(nullptr, text.c_str(), AppTitle().c_str(), style);
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return result == IDYES ? Answer::Yes : Answer::No;
}

}  // namespace ui
