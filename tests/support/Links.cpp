#include "Links.h"

#include <windows.h>

#include <algorithm>
#include <functional>

#include "Driver.h"
#include "Host.h"

namespace {

std::string UnixName(const std::string& path) {
    using Convert = char*(CDECL*)(const WCHAR*);
    const auto convert = reinterpret_cast<Convert>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    std::wstring wide(path.begin(), path.end());
    char* name = convert ? convert(wide.c_str()) : nullptr;
    const std::string unix = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return unix;
}

bool RunLinux(const char* program, const std::string& command, const std::function<bool()>& done) {
    return StartLinuxProgram(program, command) && driver::WaitFor(done);
}

std::string UnixLink(const std::string& link) {
    const std::string folder = UnixName(link.substr(0, link.rfind('\\')));
    return folder.empty() ? "" : folder + "/" + link.substr(link.rfind('\\') + 1);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool LinkWithLn(const std::string& link, std::string target) {
    const bool full = target.size() > 1 && target[1] == ':';
    if (full) {
        target = UnixName(target);
    } else {
        std::replace(target.begin(), target.end(), '\\', '/');
    }
    const std::string unixLink = UnixLink(link);
    return !target.empty() && !unixLink.empty() &&
           RunLinux("Z:\\bin\\ln", "/bin/ln -s \"" + target + "\" \"" + unixLink + "\"",
                    [&] { return Exists(link); });
}

}  // namespace

bool MakeSymbolicLink(const std::string& link, const std::string& target, bool toFolder) {
    if (RunningUnderWine()) {
        return LinkWithLn(link, target);
    }
    // Windows lets a user make links without elevation in developer mode only.
    const DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE |
                        (toFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0);
    return CreateSymbolicLinkA(link.c_str(), target.c_str(), flags) != 0;
}

bool RemoveSymbolicLink(const std::string& link) {
    if (RunningUnderWine()) {
        // Wine's DeleteFile removes the file a link leads to.
        const std::string unixLink = UnixLink(link);
        return !unixLink.empty() && RunLinux("Z:\\bin\\rm", "/bin/rm \"" + unixLink + "\"",
                                             [&] { return !Exists(link); });
    }
    return RemoveDirectoryA(link.c_str()) || DeleteFileA(link.c_str());
}

bool EmptyInPlace(const std::string& path) {
    const std::string unix = RunningUnderWine() ? UnixName(path) : "";
    return !unix.empty() && RunLinux("Z:\\bin\\sh", "/bin/sh -c \": > '" + unix + "'\"", [&] {
        WIN32_FILE_ATTRIBUTE_DATA data;
        return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
               data.nFileSizeLow == 0 && data.nFileSizeHigh == 0;
    });
}

bool ReplaceFolderFromLinux(const std::string& folder) {
    const std::string unix = RunningUnderWine() ? UnixName(folder) : "";
    const std::string done = folder + ".replaced";
    const bool replaced =
        !unix.empty() && RunLinux("Z:\\bin\\sh",
                                  "/bin/sh -c \"rm -rf '" + unix + "' && mkdir '" + unix +
                                      "' && touch '" + unix + ".replaced'\"",
                                  [&] { return Exists(done); });
    DeleteFileA(done.c_str());
    return replaced;
}
