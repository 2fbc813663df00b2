#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/MessageBox.h"

// Answers the program's message boxes for one test and records them. Boxes
// are answered from the queue, then with OK / No. A callback can look at the
// program's state while a box is "open".
class MessageBoxes {
public:
    MessageBoxes();
    ~MessageBoxes();
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    void Queue(ui::Answer answer) { answers_.push_back(answer); }
    void WhileOpen(std::function<void(const std::string& text)> check) {
        whileOpen_ = std::move(check);
    }

    // Starts the record afresh, for the next case of a table-driven test.
    void Forget() {
        texts_.clear();
        buttons_.clear();
        answers_.clear();
        whileOpen_ = nullptr;
    }

    const std::vector<std::string>& Texts() const { return texts_; }
    const std::vector<ui::Buttons>& Buttons() const { return buttons_; }

private:
    std::deque<ui::Answer> answers_;
    std::vector<std::string> texts_;
    std::vector<ui::Buttons> buttons_;
    std::function<void(const std::string&)> whileOpen_;
};
