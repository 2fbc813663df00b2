#pragma once

#include <windows.h>

#include <chrono>

#include "TestFolder.h"
#include "WorldHands.h"
#include "core/exchange/SystemWorld.h"

// What the game and other programs do, done to real files in a game folder
// of its own, seen through the system's SystemWorld on a clock it sets.
class SystemHands final : public WorldHands {
public:
    SystemHands();
    ~SystemHands() override;

    ExchangeWorld& World() override { return world_; }
    std::string Game() const override { return game_.Path(); }
    bool Windows() const override;

    void Make(Share share, const std::string& name = "takePhoto.db") override;
    void Write() override;
    void Close() override;
    void Delete(const std::string& name) override;
    void Flood() override;
    void Link() override;
    void ReplaceFolder(bool movedAway) override;
    void MakeFolder(const std::string& name) override;
    void SetReadOnly(bool readOnly) override;
    void CopyKeepingTime() override;
    void Pass(std::chrono::milliseconds time) override;
    void LetWatchTell(uint64_t watch) override;

private:
    TestFolder game_{"vdrcam-world"};
    TimePoint now_ = std::chrono::steady_clock::now();
    SystemWorld world_{[this] { return now_; }};
    HANDLE held_ = INVALID_HANDLE_VALUE;
    FILETIME lastLetGo_{};  // the last write of the file last deleted
};
