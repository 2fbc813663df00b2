#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The few file operations the program needs, with Windows paths (backslash
// separators, ANSI code page). Each reports success and never throws.

// Makes that one folder, not its parents.
bool MakeFolder(const std::string& path);

bool RemoveFile(const std::string& path);

// Creates or empties the file and writes the pieces one after the other.
bool WriteWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces);

// Moves a finished file into place, replacing what was there.
bool ReplaceWith(const std::string& finished, const std::string& path);

// Moves a finished file into place only where nothing of that name exists.
enum class Placed { Done, NameTaken, Failed };
Placed MoveIntoFreeName(const std::string& finished, const std::string& path);

// A name beside the path for writing a file before it is moved into place.
inline std::string PartialName(const std::string& path) { return path + ".partial"; }
