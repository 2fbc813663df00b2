#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "core/files/FileSystem.h"

// The two files shared with the game, in "tidemark\mdb" below the game's
// folder. The tails start with a backslash, so the game folder is held
// without one.
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

// Rewrites the reply file with the photo's number; false when it could not
// be written. With no game folder there is nowhere to answer.
bool WriteReply(const std::string& gameFolder, const std::string& number);

// The reply to the game, which may be reading the file just when a photo is
// stored. A reply that cannot be written at once is tried again at the
// following polls for a while; a newer photo's reply takes its place. Where
// the game has no "tidemark\mdb" folder there is nobody to answer.
class ReplyFile {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::seconds kPatience{5};

    explicit ReplyFile(Clock clock = std::chrono::steady_clock::now) : clock_(std::move(clock)) {}

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
        std::chrono::steady_clock::time_point giveUpAt;
    };
    Clock clock_;
    std::optional<Unsent> unsent_;
    std::optional<std::string> givenUp_;
};

// The poll's side of the request file. A request is served once: when it
// cannot be deleted (read-only, a folder of that name, or still held open by
// the game), later polls only try the deletion again. A new file under the
// request's name is a new request, also when the old one was never seen
// gone, and also when it was made while the photo was being taken.
class RequestWatch {
public:
    // One poll: when a new request is there, take the photo and then delete
    // that request, even when the game folder has changed meanwhile; a
    // request made under its name since is left for the next poll. A
    // capture that fails still has its request deleted; the failure is
    // passed on. With no game folder no request is looked for. True when a
    // photo was taken.
    bool Poll(const std::string& gameFolder, const std::function<void()>& takePhoto);

private:
    void DeleteServed();

    struct Served {
        std::string path;
        std::optional<FileIdentity> identity;
    };
    std::optional<Served> served_;  // the request already served, while it still stands
};
