#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "core/exchange/ExchangeWorld.h"

// What the game and other programs do to the game's "tidemark\mdb" folder,
// and the world the camera sees it through: the model's moves on the
// model, or the same done to real files under the system's SystemWorld.
// One set of cases runs on both (the world's contract), so that the model
// is seen to do what the system does.
class WorldHands {
public:
    enum class Share { Nothing, Reading, Everything };

    virtual ~WorldHands() = default;

    virtual ExchangeWorld& World() = 0;
    // The game folder, and the system whose ways the world has where
    // Windows and Wine part.
    virtual std::string Game() const = 0;
    virtual bool Windows() const = 0;

    // The request made (or opened and emptied) and held open, under the
    // name in these letters.
    virtual void Make(Share share, const std::string& name = "takePhoto.db") = 0;
    virtual void Write() = 0;
    virtual void Close() = 0;
    // By the name, in these letters.
    virtual void Delete(const std::string& name = "takePhoto.db") = 0;
    // More other files made and deleted than the watch holds.
    virtual void Flood() = 0;
    // A symbolic link under the request's name to a file elsewhere.
    virtual void Link() = 0;
    // The folder deleted with what it holds, or moved away, and made again.
    virtual void ReplaceFolder(bool movedAway = false) = 0;
    // A folder under the name given (the request's, or the reply's).
    virtual void MakeFolder(const std::string& name) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // A new request whose last write is that of the file last under the name.
    virtual void CopyKeepingTime() = 0;

    // Time passes on the camera's clock (a write's time is the system's:
    // Write waits for a later one).
    virtual void Pass(std::chrono::milliseconds time) = 0;
    // The watch is given the time to tell what has happened.
    virtual void LetWatchTell(uint64_t watch) = 0;

    std::string Mdb() const { return Game() + "\\tidemark\\mdb"; }
    std::string Request() const { return Mdb() + "\\takePhoto.db"; }
};
