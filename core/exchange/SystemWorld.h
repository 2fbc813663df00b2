#pragma once

#include <map>
#include <memory>

#include "core/exchange/ExchangeWorld.h"
#include "core/files/NameWatch.h"

// The world as the system has it: the files through core/files, each watch
// a NameWatch, and the clock it is given.
class SystemWorld final : public ExchangeWorld {
public:
    explicit SystemWorld(Clock clock = std::chrono::steady_clock::now) : clock_(std::move(clock)) {}

    TimePoint Now() override { return clock_(); }
    FileLook Look(const std::string& path) override { return LookAtFile(path); }
    bool RemoveIf(const std::string& path, const FileIdentity& identity) override {
        return RemoveFileIf(path, identity);
    }
    std::optional<uint64_t> FolderIndex(const std::string& folder) override {
        return ::FolderIndex(folder);
    }
    bool WriteReply(const std::string& path, const std::string& line) override {
        return WriteWholeFile(path, {line});
    }
    uint64_t Watch(const std::string& folder, const std::string& name) override;
    std::optional<NameCount> Changes(uint64_t watch, bool woken = false) override;
    void EndWatch(uint64_t watch) override { watches_.erase(watch); }

    // Signalled when the watch has something to tell, for a waiting message
    // loop; null once it has stopped standing.
    void* Event(uint64_t watch) const;

private:
    Clock clock_;
    uint64_t made_ = 0;
    std::map<uint64_t, std::unique_ptr<NameWatch>> watches_;
};
