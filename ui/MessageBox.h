#pragma once

#include <functional>
#include <string>

namespace ui {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// The application's title, which every message box carries.
void SetAppTitle(std::string title);
const std::string& AppTitle();

// Every message box of the program goes through here: modal, no icon.
Answer MsgBox(const std::string& text, Buttons buttons = Buttons::Ok);

// Lets a test answer message boxes instead of a user; pass an empty
// function to go back to real boxes.
using MessageBoxHandler = std::function<Answer(const std::string& text, Buttons buttons)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace ui
