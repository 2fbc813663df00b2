#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Rules for the folders a player types, in Windows' terms.

// Named in full: a drive letter, a colon and a backslash, or
// \\server\share. Any other name (a relative one, "C:shots", "C:/shots")
// means a folder that depends on where and how the camera was started.
bool IsFullPath(std::string_view folder);

// Whether a name in the path ends in a dot or a space, which Windows drops
// when it makes the folder: it would be made under another name than the
// one its files are then looked for under.
bool EndsANameInDotOrSpace(std::string_view folder);

// What keeps a folder, as typed or as stored, from being used: too long for
// the files below it, named only in part, or named so that Windows would
// make it under another name. Apply refuses such a folder; one stored by
// hand is told of in the caption, and nothing is made below it.
enum class FolderFault { TooLong, NotFull, DotOrSpace };
std::optional<FolderFault> FaultOf(std::string_view folder, size_t longest);
