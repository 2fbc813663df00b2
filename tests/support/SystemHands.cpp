#include "SystemHands.h"

#include <string>
#include <utility>

#include "Host.h"
#include "Links.h"

SystemHands::SystemHands() {
    CreateDirectoryA((game_ / "tidemark").c_str(), nullptr);
    CreateDirectoryA(Mdb().c_str(), nullptr);
}

SystemHands::~SystemHands() {
    Close();
    SetReadOnly(false);
}

bool SystemHands::Windows() const { return !RunningUnderWine(); }

void SystemHands::Make(Share share, const std::string& name) {
    const DWORD sharing = share == Share::Everything
                              ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE
                          : share == Share::Reading ? FILE_SHARE_READ
                                                    : 0;
    held_ = CreateFileA((Mdb() + "\\" + name).c_str(), GENERIC_WRITE, sharing, nullptr,
                        CREATE_ALWAYS, 0, nullptr);
}

void SystemHands::Write() {
    Sleep(30);  // a write time later than the making's, on the system's clock
    DWORD written = 0;
    WriteFile(held_, "take 1", 6, &written, nullptr);
}

void SystemHands::Close() {
    if (held_ != INVALID_HANDLE_VALUE) {
        CloseHandle(std::exchange(held_, INVALID_HANDLE_VALUE));
    }
}

void SystemHands::Delete(const std::string& name) {
    const std::string path = Mdb() + "\\" + name;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        lastLetGo_ = data.ftLastWriteTime;
    }
    DeleteFileA(path.c_str());
}

void SystemHands::Flood() {
    // Far more than the watch holds between two reads, all waiting when it reads again.
    for (int file = 0; file < 600; ++file) {
        const std::string other = Mdb() + "\\" + std::string(150, 'o') + std::to_string(file);
        CloseHandle(
            CreateFileA(other.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DeleteFileA(other.c_str());
    }
    Sleep(300);
}

void SystemHands::Link() {
    WriteTestFile(game_ / "letter.txt", "the letter");
    MakeSymbolicLink(Request(), game_ / "letter.txt", false);
}

void SystemHands::ReplaceFolder(bool movedAway) {
    if (movedAway) {
        MoveFileA(Mdb().c_str(), (Mdb() + ".old").c_str());
        CreateDirectoryA(Mdb().c_str(), nullptr);
        return;
    }
    if (ReplaceFolderFromLinux(Mdb())) {
        return;
    }
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((Mdb() + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((Mdb() + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    // Windows keeps the name while the watch holds the folder open.
    RemoveDirectoryA(Mdb().c_str());
    CreateDirectoryA(Mdb().c_str(), nullptr);
}

void SystemHands::MakeFolder(const std::string& name) {
    CreateDirectoryA((Mdb() + "\\" + name).c_str(), nullptr);
}

void SystemHands::SetReadOnly(bool readOnly) {
    SetFileAttributesA(Request().c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

void SystemHands::CopyKeepingTime() {
    const HANDLE copy =
        CreateFileA(Request().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD written = 0;
    WriteFile(copy, "take 1", 6, &written, nullptr);
    SetFileTime(copy, nullptr, nullptr, &lastLetGo_);
    CloseHandle(copy);
}

void SystemHands::Pass(std::chrono::milliseconds time) { now_ += time; }

void SystemHands::LetWatchTell(uint64_t watch) {
    if (void* event = world_.Event(watch)) {
        WaitForSingleObject(event, 1000);
    }
}
