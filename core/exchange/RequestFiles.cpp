#include "core/exchange/RequestFiles.h"

#include "core/files/FileSystem.h"
#include "core/files/init.h"

bool WriteReply(const std::string& gameFolder, const std::string& number) {
    return WriteWholeFile(ReplyPath(gameFolder), ReplyLine(number));
}

bool ServeRequest(const std::function<std::string()>& gameFolder,
                  const std::function<void()>& takePhoto) {
    if (!FileExists(RequestPath(gameFolder()))) {
        return false;
    }
    try {
        takePhoto();
    } catch (...) {
        RemoveFile(RequestPath(gameFolder()));
        throw;
    }
    RemoveFile(RequestPath(gameFolder()));
    return true;
}
