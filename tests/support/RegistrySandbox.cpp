#include "RegistrySandbox.h"

#include <stdexcept>

namespace sandbox {
namespace {

std::string ScratchPath() {
    return "Software\\VdrCameraTests\\" + std::to_string(GetCurrentProcessId());
}

HKEY gCurrentUser = nullptr;
HKEY gLocalMachine = nullptr;

}  // namespace

void Install() {
    const std::string scratch = ScratchPath();
    if (RegCreateKeyA(HKEY_CURRENT_USER, (scratch + "\\HKCU").c_str(), &gCurrentUser) ||
        RegCreateKeyA(HKEY_CURRENT_USER, (scratch + "\\HKLM").c_str(), &gLocalMachine) ||
        RegOverridePredefKey(HKEY_CURRENT_USER, gCurrentUser) ||
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, gLocalMachine)) {
        throw std::runtime_error("cannot redirect the registry roots");
    }
}

void Remove() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(gCurrentUser);
    RegCloseKey(gLocalMachine);
    RegDeleteTreeA(HKEY_CURRENT_USER, ScratchPath().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VdrCameraTests");
}

void Clear() {
    RegDeleteTreeA(gCurrentUser, nullptr);
    RegDeleteTreeA(gLocalMachine, nullptr);
}

}  // namespace sandbox
