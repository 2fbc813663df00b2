#pragma once

// Where Windows names its System Information tool, under HKEY_LOCAL_MACHINE:
// the tool's full path, or else the folder that holds MSINFO32.EXE.
inline constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kToolValue[] = "PATH";
inline constexpr char kToolFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kToolFolderValue[] = "MSINFO";
inline constexpr char kToolFile[] = "\\MSINFO32.EXE";
