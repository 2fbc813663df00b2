#include "Interference.h"

Interference::Interference(const std::string& mode, unsigned milliseconds,
                           const std::string& argument) {
    const std::string ready = folder_ / "ready";
    program_ = std::make_unique<driver::Program>(
        driver::BinFolder() + "\\interferer.exe",
        "\"" + ready + "\" " + std::to_string(milliseconds) + " " + mode +
            (argument.empty() ? "" : " \"" + argument + "\""));
    started_ = driver::WaitFor(
                   [&] {
                       return GetFileAttributesA(ready.c_str()) != INVALID_FILE_ATTRIBUTES ||
                              !program_->Running();
                   },
                   10000) &&
               program_->Running();
}

Interference::~Interference() { Finished(30000); }

bool Interference::Finished(unsigned milliseconds) {
    return !program_ || program_->WaitForExit(milliseconds);
}

void Interference::Stop() { program_.reset(); }

bool Interference::Said(const std::string& what) const {
    return GetFileAttributesA((folder_ / ("ready." + what)).c_str()) != INVALID_FILE_ATTRIBUTES;
}
