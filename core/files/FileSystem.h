#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The few file operations the program needs, with Windows paths (backslash
// separators, ANSI code page). Each reports success and never throws. None
// deletes, empties or writes a file through a symbolic link: Wine opens a
// link's target by the link's name, so a file is touched only when the
// system names it, finally, as the name given.

// The longest path the programs open. They use the ANSI file functions
// without Windows' long-path support, which stop at MAX_PATH: 260
// characters with the terminating zero.
inline constexpr size_t kLongestPath = 259;

// Makes that one folder, not its parents.
bool MakeFolder(const std::string& path);

// True for an existing folder; a file of that name is no folder.
bool FolderExists(const std::string& path);

// The index of the folder the name leads to now, when it leads to one: a
// folder deleted and made again, moved away, mounted over or swapped for a
// link to another has another.
std::optional<uint64_t> FolderIndex(const std::string& path);

// Removes the file the name names; a link is left, and so is its target.
bool RemoveFile(const std::string& path);

// Removes an empty folder.
bool RemoveFolder(const std::string& path);

// The names of the files (not folders) in a folder; none when the folder
// cannot be read to its end.
std::optional<std::vector<std::string>> FileNames(const std::string& folder);

// Whether a new file can be made in the folder: one is made and removed,
// its name no longer than "\32767.bmp", so wherever a photo fits, it fits.
bool CanMakeFilesIn(const std::string& folder);

// Creates or empties the file and writes the pieces one after the other;
// false, writing nothing, where a link stands under the name.
bool WriteWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces);

// How making a file under a name went: NameTaken where anything stands
// under it, a link to nothing too.
enum class Placed { Done, NameTaken, Failed };

// Makes a new file and writes the pieces; a file that cannot be written
// whole is removed again, also when the program ends meanwhile.
Placed WriteNewFile(const std::string& path, std::initializer_list<std::string_view> pieces);

// Moves a finished file into place only where nothing of that name exists.
Placed MoveIntoFreeName(const std::string& finished, const std::string& path);

// What tells one file from another made later under the same name. Windows
// gives a file made within seconds of a deleted one the old creation time,
// so the file's index and its last write are compared instead.
struct FileIdentity {
    uint64_t index = 0;  // on its volume: one name's file moved to another
                         // volume is told apart by its last write too
    int64_t lastWrite = 0;
    bool operator==(const FileIdentity&) const = default;
};

// A look at a file by its name: which file is there, whether another
// program holds it open without letting it be deleted (as a writer does
// until it has finished), whether the name leads elsewhere (a link, whose
// target is what opens), whether it is being deleted (a deleted file
// keeps its name while a handle on it is open; Windows says so, Wine not),
// whether it is a folder, and whether it is read-only (and so cannot be
// deleted).
struct FileLook {
    bool there = false;                    // anything under the name
    std::optional<FileIdentity> identity;  // none when it could not be opened
    bool held = false;
    bool link = false;
    bool leaving = false;
    bool folder = false;
    bool readOnly = false;
};
FileLook LookAtFile(const std::string& path);

// Removes the file only while it is that file, in one step: a file made
// under its name meanwhile stays.
bool RemoveFileIf(const std::string& path, const FileIdentity& identity);

// A file's length, when the system says.
std::optional<uint64_t> FileSize(const std::string& path);

// Free bytes on the folder's drive, when the system says.
std::optional<uint64_t> FreeSpace(const std::string& folder);
