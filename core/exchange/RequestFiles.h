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

// Rewrites the reply file with the photo's number; false when it could not be written.
bool WriteReply(const std::string& gameFolder, const std::string& number);

// One poll of the request file: when it exists, take the photo and then
// delete the request (built again from the game folder as it is then).
// A capture that fails still has its request deleted, so that it is not
// retried at every tick; the failure is passed on. True when a request was served.
bool ServeRequest(const std::function<std::string()>& gameFolder,
                  const std::function<void()>& takePhoto);
