#include "CameraSession.h"

#include <stdexcept>

#include "core/exchange/RequestFiles.h"
#include "core/photo/PhotoFiles.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/RegistryValues.h"

CameraSession::CameraSession() {
    CreateDirectoryA((game_ / "tidemark").c_str(), nullptr);
    CreateDirectoryA((game_ / "tidemark\\mdb").c_str(), nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, game_.Path());
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", shots_.Path());
    camera_ = std::make_unique<driver::Program>(driver::BinFolder() + "\\vdrcam.exe");
    main_ = driver::WaitForWindow(camera_->Id(), "VDR Camera");
    manualTake_ = main_ ? driver::Child(main_, "Take ScreenShot Now") : nullptr;
    if (!manualTake_) {
        throw std::runtime_error("vdrcam.exe did not start");
    }
}

CameraSession::~CameraSession() {
    PostMessageA(main_, WM_CLOSE, 0, 0);
    camera_->WaitForExit(5000);
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
}

double CameraSession::WaitForReply(const Stopwatch& watch) {
    const std::string expected = ReplyLine(std::to_string(next_));
    const std::string request = RequestPath(game_.Path());
    const std::string reply = ReplyPath(game_.Path());
    // Woken by the folder's changes rather than polling it, so that the
    // measuring takes no time from the camera being measured.
    HANDLE changes = FindFirstChangeNotificationA(
        (game_ / "tidemark\\mdb").c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE);
    double result = -1;
    while (watch.Milliseconds() < 10000) {
        if (GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES &&
            ReadTestFile(reply) == expected) {
            ++next_;
            result = watch.Milliseconds();
            break;
        }
        if (changes == INVALID_HANDLE_VALUE) {
            Sleep(1);
        } else if (WaitForSingleObject(changes, 20) == WAIT_OBJECT_0) {
            FindNextChangeNotification(changes);
        }
    }
    if (changes != INVALID_HANDLE_VALUE) {
        FindCloseChangeNotification(changes);
    }
    return result;
}

double CameraSession::ManualPhoto() {
    Stopwatch watch;
    driver::Click(manualTake_);
    return WaitForReply(watch);
}

double CameraSession::RequestedPhoto() {
    Stopwatch watch;
    WriteTestFile(RequestPath(game_.Path()), "take 1");
    return WaitForReply(watch);
}

void CameraSession::DropLastPhoto() {
    DeleteFileA(BitmapPath(shots_.Path(), std::to_string(next_ - 1)).c_str());
}
