#include "core/files/NativePath.h"
#include "core/files/init.h"

bool FileExists(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        return false;
    }
    std::error_code error;
    return std::filesystem::exists(NativePath(path), error) && !error;
}
