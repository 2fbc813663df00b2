#pragma once

#include <string>

// Makes a symbolic link at `link` to `target` (relative to the link's folder
// or full); false where none can be made. Wine's CreateSymbolicLink makes
// nothing, so there the link is made by Linux's ln, as a player would.
bool MakeSymbolicLink(const std::string& link, const std::string& target, bool toFolder);
// Removes the link itself, never what it leads to.
bool RemoveSymbolicLink(const std::string& link);
