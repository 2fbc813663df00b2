#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "core/files/FileSystem.h"
#include "core/files/NameWatch.h"

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

// The poll's side of the request file. A request is served once, as soon as
// it is seen, and deleted once its writer has let go of it: what the writer
// does to it meanwhile keeps it the same request. Any other file under its
// name is the next request, also one the game makes while a photo is taken.
class RequestWatch {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // What a watch of the request's folder has counted there, when one stands.
    using NameChanges = std::function<std::optional<NameWatch::Count>(const std::string& folder)>;
    // A watch tells of a change this much later at the most.
    static constexpr std::chrono::milliseconds kWatchLag{100};

    explicit RequestWatch(NameChanges nameChanges = nullptr,
                          Clock clock = std::chrono::steady_clock::now)
        : nameChanges_(std::move(nameChanges)), clock_(std::move(clock)) {}

    // One look: a new request below the game folder gets its photo and is
    // then deleted; the one already served is deleted once it can be. A
    // capture that fails still has its request dealt with, and the failure
    // is passed on. True when a photo was taken.
    bool Poll(const std::string& gameFolder, const std::function<void()>& takePhoto);

    // A look while its photo is still being taken: the request is followed,
    // not yet deleted, as the game has no reply yet.
    void Tend();

private:
    // Whether the look still finds the request served.
    bool Follow(const FileLook& look);
    void DeleteServed();

    struct Served {
        std::string path;
        std::string folder;  // where a watch counts its name's changes
        FileLook look;       // the latest that told for sure
        std::optional<NameWatch::Count> names;
        // When a write to it was first seen that the watch may yet tell was
        // another file's.
        std::optional<std::chrono::steady_clock::time_point> writtenAt;
    };
    NameChanges nameChanges_;
    Clock clock_;
    std::optional<Served> served_;  // while it still stands
};
