#pragma once

#include <memory>
#include <string>

#include "Driver.h"
#include "TestFolder.h"

// Another program doing one of the interferer's tricks for a while; the
// constructor returns once it has started doing it.
class Interference {
public:
    Interference(const std::string& mode, unsigned milliseconds, const std::string& argument = "");
    ~Interference();  // lets it finish
    Interference(const Interference&) = delete;
    Interference& operator=(const Interference&) = delete;

    bool Started() const { return started_; }
    // Waits for it to let go; true when it has.
    bool Finished(unsigned milliseconds);
    // Ends it at once.
    void Stop();
    // Whether it has said so, by making the file READY.what.
    bool Said(const std::string& what) const;

private:
    TestFolder folder_{"vdrcam-interferer"};
    std::unique_ptr<driver::Program> program_;
    bool started_ = false;
};
