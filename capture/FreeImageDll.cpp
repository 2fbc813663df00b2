#include "capture/FreeImageDll.h"

#include <mutex>

#include "core/Unique.h"
#include "core/files/init.h"
#include "core/photo/FreeImageApi.h"

std::optional<std::string> ModuleFolder(HMODULE module) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) {
            return std::nullopt;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    return path.substr(0, slash);
}

namespace {

// A function by its plain name, as 64-bit builds and ours export them, or
// by a 32-bit stdcall name: "_Name@N" in the official DLL, "Name@N" from
// other MinGW builds.
template <typename Function>
void Resolve(HMODULE module, const char* name, int argumentBytes, Function& function) {
    const std::string stdcall = std::string(name) + "@" + std::to_string(argumentBytes);
    FARPROC address = GetProcAddress(module, name);
    for (const std::string& decorated : {std::string(1, '_') + stdcall, stdcall}) {
        if (!address) {
            address = GetProcAddress(module, decorated.c_str());
        }
    }
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

void CloseCopy(HANDLE copy) { CloseHandle(copy); }

// Removes the copies earlier runs left: those of running cameras are held
// (or, on Windows, loaded) and stay.
void RemoveLeftCopies(const std::string& temp) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((temp + "vdrcam-FreeImage-*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        DeleteFileA((temp + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// A copy of the library for this run alone, in the temporary folder: the
// file beside the program may be written over while the camera runs (Wine
// lets that be done to a loaded library, and the loaded code with it), the
// copy not. It is held open, shared for reading only, until the camera
// ends; the next run removes it.
std::optional<std::string> PrivateCopy(const std::string& library) {
    static Unique<HANDLE, CloseCopy> held;
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) {
        return std::nullopt;
    }
    held.Reset();
    RemoveLeftCopies(temp);
    const std::string copy =
        std::string(temp) + "vdrcam-FreeImage-" + std::to_string(GetCurrentProcessId()) + ".dll";
    if (!CopyFileA(library.c_str(), copy.c_str(), FALSE)) {
        return std::nullopt;
    }
    const HANDLE file = CreateFileA(copy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    held.Reset(file);
    return copy;
}

// The library beside the program, or none that is available.
FreeImageApi LoadBesideProgram() {
    FreeImageApi loaded;
    // Only the copy beside the program is used, never one found on the search path.
    const std::optional<std::string> folder = ModuleFolder(nullptr);
    if (!folder) {
        return loaded;
    }
    const std::string path = *folder + "\\FreeImage.dll";
    loaded.missing = !FileExists(path);
    const std::optional<std::string> copy = loaded.missing ? std::nullopt : PrivateCopy(path);
    if (!copy) {
        return loaded;
    }
    // A broken or foreign file there is the same as none: no system error box.
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HMODULE module = LoadLibraryExA(copy->c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetThreadErrorMode(previousMode, nullptr);
    if (!module) {
        return loaded;
    }
    Resolve(module, "FreeImage_Load", 12, loaded.Load);
    Resolve(module, "FreeImage_OpenMemory", 8, loaded.OpenMemory);
    Resolve(module, "FreeImage_SaveToMemory", 16, loaded.SaveToMemory);
    Resolve(module, "FreeImage_AcquireMemory", 12, loaded.AcquireMemory);
    Resolve(module, "FreeImage_CloseMemory", 4, loaded.CloseMemory);
    Resolve(module, "FreeImage_Rescale", 16, loaded.Rescale);
    Resolve(module, "FreeImage_ConvertTo24Bits", 4, loaded.ConvertTo24Bits);
    Resolve(module, "FreeImage_GetBPP", 4, loaded.GetBPP);
    Resolve(module, "FreeImage_Unload", 4, loaded.Unload);
    if (!loaded.Available()) {
        FreeLibrary(module);
        return FreeImageApi{};  // a file of that name, but no FreeImage
    }
    return loaded;  // stays loaded for the rest of the run
}

}  // namespace

const FreeImageApi& FreeImage() {
    // Looked for again while it is missing or unusable: a player who puts
    // it back gets JPEGs from the next photo on. Once found it never changes,
    // and it is run from a copy of its own, so a thread using it is never
    // written under.
    static std::mutex looking;
    static FreeImageApi found;
    thread_local FreeImageApi notFound;
    const std::lock_guard lock(looking);
    if (!found.Available()) {
        FreeImageApi loaded = LoadBesideProgram();
        if (!loaded.Available()) {
            notFound = loaded;
            return notFound;
        }
        found = loaded;
    }
    return found;
}
