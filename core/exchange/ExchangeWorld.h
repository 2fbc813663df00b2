#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/files/FileSystem.h"
#include "core/files/NameChanges.h"

using TimePoint = std::chrono::steady_clock::time_point;
using Clock = std::function<TimePoint()>;

// What the exchange with the game does to the world, and all it learns of
// it: the clock, looks at the request, its deletion, the reply, and a watch
// of the request's name. The program has the system's (SystemWorld); the
// tests explore the exchange against a model of it (ModelWorld).
class ExchangeWorld {
public:
    virtual ~ExchangeWorld() = default;

    virtual TimePoint Now() = 0;

    virtual FileLook Look(const std::string& path) = 0;
    // Deletes the file only while it is that file, and never through a link.
    virtual bool RemoveIf(const std::string& path, const FileIdentity& identity) = 0;
    // The folder under that name now, as FolderIndex tells it.
    virtual std::optional<uint64_t> FolderIndex(const std::string& folder) = 0;
    // Creates or empties the reply and writes the line: never into a file
    // that a link under its name leads to.
    virtual bool WriteReply(const std::string& path, const std::string& line) = 0;

    // A watch of one name in one folder, by a number never given twice; 0
    // when none could be made. Its counts, none once it has stopped standing
    // (on Windows, when its folder is deleted; Wine's outlives its folder,
    // and tells nothing more). Taken in on a wake (woken), a batch that told
    // nothing of the name leaves the watch resting, telling nothing, until
    // the next look takes it in.
    virtual uint64_t Watch(const std::string& folder, const std::string& name) = 0;
    virtual std::optional<NameCount> Changes(uint64_t watch, bool woken = false) = 0;
    virtual void EndWatch(uint64_t watch) = 0;
};
