#pragma once

#include <string>

#include "ui/Form.h"

// What the tests make a step throw: a std::exception, or anything else,
// which the program must meet as well.
enum class Failure { StdException, Other };
inline constexpr Failure kFailures[] = {Failure::StdException, Failure::Other};

[[noreturn]] void Fail(Failure failure, const std::string& reason);

// How the program reports a failure of `what` that no step handled.
std::string Reported(const std::string& what, Failure failure, const std::string& reason);

// A form whose load fails, after its window and controls exist.
class FailingLoad : public ui::Form {
public:
    FailingLoad(ui::FormDesign design, Failure failure, std::string reason)
        : ui::Form(std::move(design)), failure_(failure), reason_(std::move(reason)) {}

private:
    void OnLoad() override { Fail(failure_, reason_); }

    ui::Control& txtName = Add(ui::TextBox{.name = "txtName"});

    Failure failure_;
    std::string reason_;
};
