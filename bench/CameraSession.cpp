#include "CameraSession.h"

#include <stdexcept>

#include "core/exchange/RequestFiles.h"
#include "core/photo/PhotoFiles.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/RegistryValues.h"

CameraSession::CameraSession(const Settings& settings) {
    CreateDirectoryA((game_ / "tidemark").c_str(), nullptr);
    CreateDirectoryA((game_ / "tidemark\\mdb").c_str(), nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, game_.Path());
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", shots_.Path());
    for (const auto& [name, text] : settings) {
        registry::SetText(HKEY_CURRENT_USER, kSettingsKey, name, text);
    }
    char folder[MAX_PATH] = {};
    const std::string bin = GetEnvironmentVariableA("VDR_BENCH_CAMERA", folder, sizeof folder)
                                ? folder
                                : driver::BinFolder();
    camera_ = std::make_unique<driver::Program>(bin + "\\vdrcam.exe");
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

double CameraSession::WaitForReply() {
    const std::string expected = ReplyLine(std::to_string(next_));
    const std::string request = RequestPath(game_.Path());
    const std::string reply = ReplyPath(game_.Path());
    // Woken by the folder's changes rather than polling it, so that the
    // measuring takes no time from the camera being measured.
    HANDLE changes = FindFirstChangeNotificationA(
        (game_ / "tidemark\\mdb").c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE);
    // The reply is what the game waits for; the request's deletion, which
    // follows it, is waited for only so that the next request is a new file.
    double result = -1;
    while (asked_.Milliseconds() < 10000) {
        if (result < 0 && ReadTestFile(reply) == expected) {
            result = asked_.Milliseconds();
        }
        if (result >= 0 && GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES) {
            ++next_;
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
    return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES ? result : -1;
}

double CameraSession::ManualPhoto() {
    asked_ = Stopwatch();
    driver::Click(manualTake_);
    return WaitForReply();
}

double CameraSession::RequestedPhoto() {
    asked_ = Stopwatch();
    WriteTestFile(RequestPath(game_.Path()), "take 1");
    return WaitForReply();
}

void CameraSession::AskForJpegs() {
    driver::Click(driver::Child(main_, "Options"));
    HWND options = driver::WaitForWindow(camera_->Id(), "VDR Camera Options");
    HWND jpeg = options ? driver::Child(options, "Compress to JPEG?") : nullptr;
    if (!jpeg) {
        throw std::runtime_error("no options window");
    }
    if (!driver::Checked(jpeg)) {
        driver::Click(jpeg);
    }
    driver::Click(driver::Child(options, "Apply"));
    driver::WaitForWindowGone(camera_->Id(), "VDR Camera Options");
}

double CameraSession::WaitForJpeg() {
    // A JPEG is moved into place whole, so its name appearing is its end.
    const std::string jpeg = JpegPath(shots_.Path(), next_ - 1);
    while (asked_.Milliseconds() < 30000) {
        if (GetFileAttributesA(jpeg.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return asked_.Milliseconds();
        }
        Sleep(1);
    }
    return -1;
}

void CameraSession::DropLastPhoto() {
    DeleteFileA(BitmapPath(shots_.Path(), next_ - 1).c_str());
    DeleteFileA(JpegPath(shots_.Path(), next_ - 1).c_str());
}
