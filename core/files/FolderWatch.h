#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/files/NameChanges.h"

// Watches which files come and go in a folder, by name. Where the system
// gives no such watch (a drive without notifications, the host build), or
// it has stopped (the folder deleted), or a burst hid which names changed,
// nothing can be said of what happened: the folder has to be listed again.
class FolderWatch {
public:
    explicit FolderWatch(const std::string& folder);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    struct Change {
        NameAction action;
        std::string name;
    };
    // The changes told since the last call, in order; none where they
    // cannot be known.
    std::optional<std::vector<Change>> Take();

private:
    struct System;
    std::unique_ptr<System> system_;
};
