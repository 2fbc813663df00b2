#include "capture/ScreenRoute.h"

#include <windows.h>

#include "core/settings/RegistryText.h"
#include "ui/Registry.h"

bool RunsUnderWine() {
    static const bool wine = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version");
    }();
    return wine;
}

bool PrintScreenDeliversAPicture() { return !RunsUnderWine(); }

bool PrintScreenOpensSnipping() {
    const auto value = ui::ReadRegistryValue(HKEY_CURRENT_USER, "Control Panel\\Keyboard",
                                             "PrintScreenKeyForSnippingEnabled");
    return value && Dword(value->type, value->data) == 1u;
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
    // On Wine the other checks are not even made: the key gives nothing there.
    if (!PrintScreenDeliversAPicture()) {
        return RouteFor({.givesAPicture = false});
    }
    return RouteFor({.opensSnipping = PrintScreenOpensSnipping(),
                     .heldByAnother = PrintScreenHeldByAnotherProgram()});
}

bool CopiesSeeTheScreen() { return GetModuleHandleA("winewayland.drv") == nullptr; }
