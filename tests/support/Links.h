#pragma once

#include <string>

// Makes a symbolic link at `link` to `target` (relative to the link's folder
// or full); false where none can be made. Wine's CreateSymbolicLink makes
// nothing, so there the link is made by Linux's ln, as a player would.
bool MakeSymbolicLink(const std::string& link, const std::string& target, bool toFolder);
// Removes the link itself, never what it leads to.
bool RemoveSymbolicLink(const std::string& link);

// Empties a file where it stands, keeping it the same file, as a Linux
// program can do to a library that Wine has loaded (Windows does not let
// one be written); false where that cannot be done.
bool EmptyInPlace(const std::string& path);

// Deletes the folder with what it holds and makes it again, as a Linux
// program does it (Wine's own deletion of a folder still open waits, as
// Windows' does, until it is closed); false where that cannot be done.
bool ReplaceFolderFromLinux(const std::string& folder);
