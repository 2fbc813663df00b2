#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/exchange/ExchangeWorld.h"
#include "core/files/FileSystem.h"

// The two files shared with the game, in "tidemark\mdb" below the game's
// folder. The tails start with a backslash, so the game folder is held
// without one.
inline constexpr char kRequestName[] = "takePhoto.db";
inline constexpr char kRequestTail[] = "\\tidemark\\mdb\\takePhoto.db";
inline constexpr char kReplyTail[] = "\\tidemark\\mdb\\currentPhoto.db";

inline std::string RequestPath(const std::string& gameFolder) { return gameFolder + kRequestTail; }
inline std::string ReplyPath(const std::string& gameFolder) { return gameFolder + kReplyTail; }
inline std::string ReplyFolder(const std::string& gameFolder) {
    return gameFolder + "\\tidemark\\mdb";
}

// The longest game folder whose files the programs can open.
static_assert(sizeof kReplyTail >= sizeof kRequestTail);
inline constexpr size_t kLongestGameFolder = kLongestPath - (sizeof kReplyTail - 1);

// The reply's one line: "currentPhoto=", the number, CR LF.
inline std::string ReplyLine(const std::string& number) {
    return "currentPhoto=" + number + "\r\n";
}

// The reply to the game, which may be reading the file just when a photo is
// stored. A reply that cannot be written at once is tried again at the
// following polls for a while; a newer photo's reply takes its place. Where
// the game has no "tidemark\mdb" folder there is nobody to answer, and with
// no game folder nowhere to.
class ReplyFile {
public:
    static constexpr std::chrono::seconds kPatience{5};

    explicit ReplyFile(ExchangeWorld& world) : world_(world) {}

    void Send(const std::string& gameFolder, const std::string& number);
    // One more try of a reply still unwritten, given up after a while.
    void Retry();
    // The number of the reply given up, until a reply is written again: the
    // game still names an older photo.
    const std::optional<std::string>& GivenUp() const { return givenUp_; }

private:
    struct Unsent {
        std::string gameFolder;
        std::string number;
        TimePoint giveUpAt;
    };
    bool Write(const std::string& gameFolder, const std::string& number);

    ExchangeWorld& world_;
    std::optional<Unsent> unsent_;
    std::optional<std::string> givenUp_;
};
