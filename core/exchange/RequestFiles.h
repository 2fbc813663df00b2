#pragma once

#include <functional>
#include <string>

// The two files shared with the game, in "tidemark\mdb" below the game's
// folder. The tails start with a backslash, so the game folder is held
// without one.
inline constexpr char kRequestTail[] = "\\tidemark\\mdb\\takePhoto.db";
inline constexpr char kReplyTail[] = "\\tidemark\\mdb\\currentPhoto.db";

inline std::string RequestPath(const std::string& gameFolder) { return gameFolder + kRequestTail; }
inline std::string ReplyPath(const std::string& gameFolder) { return gameFolder + kReplyTail; }

// The reply's one line: "currentPhoto=", the number, CR LF.
inline std::string ReplyLine(const std::string& number) {
    return "currentPhoto=" + number + "\r\n";
}

// Rewrites the reply file with the photo's number; false when it could not
// be written. With no game folder there is nowhere to answer.
bool WriteReply(const std::string& gameFolder, const std::string& number);

// The poll's side of the request file. A request is served once: when it
// cannot be deleted (read-only, a folder of that name, or still held open by
// the game), later polls only try the deletion again, and a request counts
// as new once the file has been gone.
class RequestWatch {
public:
    // One poll: when a new request is there, take the photo and then delete
    // the request (its path built again from the game folder as it is then).
    // A capture that fails still has its request deleted; the failure is
    // passed on. With no game folder no request is looked for. True when a
    // photo was taken.
    bool Poll(const std::function<std::string()>& gameFolder,
              const std::function<void()>& takePhoto);

private:
    void Delete(const std::string& gameFolder);

    std::string served_;  // the request already served, while it still stands
};
