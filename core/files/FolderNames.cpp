#include "core/files/FolderNames.h"

#include <cctype>

namespace {

// Where the names below the drive or share begin; 0 for no full path.
size_t NamesStart(std::string_view folder) {
    if (folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
        folder[1] == ':' && folder[2] == '\\') {
        return 3;
    }
    if (!folder.starts_with("\\\\")) {
        return 0;
    }
    const size_t server = folder.find('\\', 2);
    if (server == std::string_view::npos || server == 2) {
        return 0;
    }
    const size_t share = folder.find('\\', server + 1);
    if (share == server + 1) {
        return 0;
    }
    return share == std::string_view::npos ? folder.size() : share + 1;
}

}  // namespace

bool IsFullPath(std::string_view folder) {
    return NamesStart(folder) > 0 && folder.find('/') == std::string_view::npos;
}

bool EndsANameInDotOrSpace(std::string_view folder) {
    for (size_t begin = NamesStart(folder); begin < folder.size();) {
        size_t end = folder.find('\\', begin);
        if (end == std::string_view::npos) {
            end = folder.size();
        }
        const std::string_view name = folder.substr(begin, end - begin);
        if (!name.empty() && name != "." && name != ".." &&
            (name.back() == '.' || name.back() == ' ')) {
            return true;
        }
        begin = end + 1;
    }
    return false;
}

std::optional<FolderFault> FaultOf(std::string_view folder, size_t longest) {
    if (folder.size() > longest) {
        return FolderFault::TooLong;
    }
    if (!IsFullPath(folder)) {
        return FolderFault::NotFull;
    }
    if (EndsANameInDotOrSpace(folder)) {
        return FolderFault::DotOrSpace;
    }
    return std::nullopt;
}
