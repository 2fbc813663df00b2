#include "capture/ScreenRoute.h"

#include <windows.h>

#include "ui/Handles.h"

bool PrintScreenDeliversAPicture() {
    static const bool delivers = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return !(ntdll && GetProcAddress(ntdll, "wine_get_version"));
    }();
    return delivers;
}

bool PrintScreenOpensSnipping() {
    ui::UniqueKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Keyboard", 0, KEY_QUERY_VALUE,
                      key.Out()) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    return RegQueryValueExA(key.Get(), "PrintScreenKeyForSnippingEnabled", nullptr, &type,
                            reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD && value == 1;
}

bool PrintScreenHeldByAnotherProgram() {
    // Asking for the key ourselves is the way to find out; given it, we let go at once.
    constexpr int kProbe = 0x5644;
    if (RegisterHotKey(nullptr, kProbe, 0, VK_SNAPSHOT)) {
        UnregisterHotKey(nullptr, kProbe);
        return false;
    }
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

ScreenRoute ChooseScreenRoute() {
    if (!PrintScreenDeliversAPicture() || PrintScreenOpensSnipping() ||
        PrintScreenHeldByAnotherProgram()) {
        return ScreenRoute::DirectCopy;
    }
    return ScreenRoute::PrintScreen;
}
