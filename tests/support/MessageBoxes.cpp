#include "MessageBoxes.h"

MessageBoxes::MessageBoxes() {
    ui::SetMessageBoxHandler([this](const std::string& text, ui::Buttons buttons) {
        texts_.push_back(text);
        buttons_.push_back(buttons);
        if (whileOpen_) {
            whileOpen_(text);
        }
        if (!answers_.empty()) {
            const ui::Answer answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
    });
}

MessageBoxes::~MessageBoxes() { ui::SetMessageBoxHandler({}); }
