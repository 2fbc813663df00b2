#pragma once

#include <string>

// Where Windows names its System Information tool, under HKEY_LOCAL_MACHINE:
// the tool's full path, or else the folder that holds MSINFO32.EXE.
inline constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kToolValue[] = "PATH";
inline constexpr char kToolFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kToolFolderValue[] = "MSINFO";
inline constexpr char kToolFile[] = "\\MSINFO32.EXE";

// A file that a plain directory listing shows: not a folder, hidden or system file.
bool IsOrdinaryFile(const std::string& path);

// Starts the program named by the path itself, its window shown, without
// waiting for it; never by parsing an unquoted command line, so a path with
// spaces cannot start some other program. False when it cannot be started.
bool StartProgram(const std::string& path);
