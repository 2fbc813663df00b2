#include "CameraSession.h"

#include <stdexcept>

#include "core/exchange/RequestFiles.h"
#include "core/photo/PhotoFiles.h"
#include "tests/support/RegistryValues.h"

namespace {

constexpr char kSettingsKey[] = "Software\\VDRCamera";
constexpr char kGameKey[] = "Software\\Brakemont\\Operation Veldrun";

}  // namespace

CameraSession::CameraSession() {
    CreateDirectoryA((game_ / "tidemark").c_str(), nullptr);
    CreateDirectoryA((game_ / "tidemark\\mdb").c_str(), nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, "MAIN", game_.Path());
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
    while (watch.Milliseconds() < 10000) {
        if (GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES &&
            ReadTestFile(reply) == expected) {
            ++next_;
            return watch.Milliseconds();
        }
        Sleep(1);
    }
    return -1;
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
