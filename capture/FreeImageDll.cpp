#include <windows.h>

#include <string>

#include "core/photo/FreeImageApi.h"

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

// Plain export names in 64-bit builds; 32-bit builds decorate stdcall names.
template <typename Function>
void Resolve(HMODULE module, const char* name, int argumentBytes, Function& function) {
    FARPROC address = GetProcAddress(module, name);
    if (!address) {
        const std::string decorated = "_" + std::string(name) + "@" + std::to_string(argumentBytes);
        address = GetProcAddress(module, decorated.c_str());
    }
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

const FreeImageApi& FreeImage() {
    static const FreeImageApi api = [] {
        FreeImageApi loaded;
        // Only the copy beside the program is used, never one found on the search path.
        const std::string path = ProgramFolder() + "\\FreeImage.dll";
        // A broken or foreign file there is the same as none: no system error box.
        DWORD previousMode = 0;
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        SetThreadErrorMode(previousMode, nullptr);
        if (!module) {
            return loaded;
        }
        Resolve(module, "FreeImage_Load", 12, loaded.Load);
        Resolve(module, "FreeImage_Save", 16, loaded.Save);
        Resolve(module, "FreeImage_Rescale", 16, loaded.Rescale);
        Resolve(module, "FreeImage_ConvertTo24Bits", 4, loaded.ConvertTo24Bits);
        Resolve(module, "FreeImage_GetBPP", 4, loaded.GetBPP);
        Resolve(module, "FreeImage_Unload", 4, loaded.Unload);
        if (!loaded.Available()) {
            FreeLibrary(module);
            return FreeImageApi{};
        }
        return loaded;  // stays loaded for the rest of the run
    }();
    return api;
}
