#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/files/NameChanges.h"

// Watches one file name in one folder: counts what the system tells of that
// name (NameCount), and signals an event the moment it tells of anything in
// the folder, so a waiter wakes at once. The system tells a moment after a
// change. Where it gives no such watch (a drive without notifications, the
// host build), the watch does not stand.
class NameWatch {
public:
    NameWatch(const std::string& folder, const std::string& name, uint64_t number);
    ~NameWatch();
    NameWatch(const NameWatch&) = delete;
    NameWatch& operator=(const NameWatch&) = delete;

    bool Standing() const;

    // Takes in what the system has told since the last call and resets the
    // event; none once the watch has stopped standing (its folder deleted).
    // Woken by the event, a batch that told nothing of the name leaves the
    // watch resting, the system keeping what it tells meanwhile, until a
    // call not woken: other names' changes then wake nobody between looks.
    std::optional<NameCount> Changes(bool woken = false);

    // Signalled when the system has told something (a HANDLE on Windows).
    void* Event() const;

private:
    struct System;
    NameCount count_;
    std::unique_ptr<System> system_;
};
