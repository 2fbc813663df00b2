#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/NameChanges.h"

// A folder opened for reading the names that change in it, one read at a
// time, which the system completes (and signals the event) when something
// changes. The watches of one name and of a folder's photos read through it.
class DirectoryReader {
public:
    explicit DirectoryReader(const std::string& folder);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    // Whether reads can be made: the folder opened and read.
    bool Standing() const { return standing_; }
    // Whether a read is under way.
    bool Listening() const { return listening_; }
    HANDLE Event() const { return event_; }

    // Starts the next read.
    void Read();

    // What a read that has finished tells.
    enum class Told { Nothing, Names, Overflow, Stopped };
    // Takes a finished read, handing each change it tells to `change`;
    // Nothing where none has finished. Once Stopped (its folder deleted,
    // its drive gone) the folder is let go and no read is made again.
    Told Finish(const std::function<void(NameAction, std::wstring_view)>& change);

private:
    HANDLE folder_ = INVALID_HANDLE_VALUE;
    HANDLE event_ = nullptr;
    OVERLAPPED reading_{};
    // Room for a few hundred changes between two reads: only a flood
    // overflows it.
    std::vector<DWORD> changes_ = std::vector<DWORD>(16384);
    bool standing_ = false;
    bool listening_ = false;
};
