#pragma once

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
