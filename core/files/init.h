#pragma once

#include <string>

// True when the file system reports a length for the path: an existing file
// (also an empty one) or an existing folder named without a trailing
// backslash. Any failure means false; it never fails itself.
bool FileExists(const std::string& path);
