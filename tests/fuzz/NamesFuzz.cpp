// The names a player types as folders, and the names found in the
// screenshot folder, as the camera judges them.
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

#include "Check.h"
#include "core/files/FolderNames.h"
#include "core/photo/PhotoFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);

    // A full path starts with a drive or a server and share, and has no
    // forward slash.
    if (IsFullPath(name)) {
        Check(name.find('/') == std::string::npos);
        Check((name.size() >= 3 && std::isalpha(static_cast<unsigned char>(name[0])) &&
               name.substr(1, 2) == ":\\") ||
              name.starts_with("\\\\"));
    }
    // Windows renames only names that end in a dot or a space.
    if (name.find_first_of(". ") == std::string::npos) {
        Check(!EndsANameInDotOrSpace(name));
    }

    // A scratch name is a number between the edition's prefix and its
    // scratch suffix; the first edition leaves "N.tmp" to other programs.
    const auto numberBefore = [&](std::string_view suffix) {
        return name.ends_with(suffix) && name.size() > suffix.size() &&
               std::isdigit(static_cast<unsigned char>(name[name.size() - suffix.size() - 1]));
    };
    if (kCurrentPhotos.isScratch(name)) {
        Check(numberBefore(".tmp"));
    }
    if (kEarlyPhotos.isScratch(name)) {
        Check(numberBefore(".bm~"));
    }
    return 0;
}
