#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Watches one file name in one folder: counts the times a file of that
// name is deleted or replaced there, and signals an event the moment
// anything in the folder is made, deleted or renamed, so a waiter wakes at
// once. The system tells of changes a moment after they happen. Where it
// gives no such watch, the watch does not stand.
class NameWatch {
public:
    // What the watch has counted so far. Counts of two watches never match.
    struct Count {
        uint64_t watch = 0;
        uint64_t taken =
            0;  // deleted, renamed away or replaced; a burst too large to tell counts too
        bool operator==(const Count&) const = default;
    };

    NameWatch(const std::string& folder, const std::string& name);
    ~NameWatch();
    NameWatch(const NameWatch&) = delete;
    NameWatch& operator=(const NameWatch&) = delete;

    const std::string& Folder() const { return folder_; }
    bool Standing() const;

    // Takes in what the system has told since the last call and resets the
    // event; none once the watch has stopped standing (its folder deleted).
    std::optional<Count> Changes();

    // Signalled when something changed in the folder (a HANDLE on Windows).
    void* Event() const;

private:
    struct System;
    std::string folder_;
    std::string name_;
    Count count_;
    std::unique_ptr<System> system_;
};
