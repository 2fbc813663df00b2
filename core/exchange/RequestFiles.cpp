#include "core/exchange/RequestFiles.h"

#include "core/files/FileSystem.h"
#include "core/files/init.h"

bool WriteReply(const std::string& gameFolder, const std::string& number) {
    return !gameFolder.empty() && WriteWholeFile(ReplyPath(gameFolder), {ReplyLine(number)});
}

bool RequestWatch::Poll(const std::function<std::string()>& gameFolder,
                        const std::function<void()>& takePhoto) {
    const std::string folder = gameFolder();
    if (folder.empty()) {
        return false;
    }
    const std::string request = RequestPath(folder);
    if (!FileExists(request)) {
        served_.clear();
        return false;
    }
    if (request == served_) {
        Delete(folder);
        return false;
    }
    try {
        takePhoto();
    } catch (...) {
        Delete(gameFolder());
        throw;
    }
    Delete(gameFolder());
    return true;
}

void RequestWatch::Delete(const std::string& gameFolder) {
    if (gameFolder.empty()) {
        return;
    }
    const std::string request = RequestPath(gameFolder);
    RemoveFile(request);
    served_ = FileExists(request) ? request : std::string();
}
