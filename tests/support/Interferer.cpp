// Another program on the player's PC, doing what other programs do to the
// camera's files, keys and clipboard, for a while:
//
//   interferer READY MILLISECONDS write-and-hold PATH
//       writes a request file and keeps it open, without letting it be deleted
//   interferer READY MILLISECONDS write-and-hold-sharing-all PATH
//       the same, letting it be read, written and deleted meanwhile
//   interferer READY MILLISECONDS hold-then-write PATH
//       makes a request file, sharing nothing, writes it only at the end
//   interferer READY MILLISECONDS flood FOLDER [PER_SECOND]
//       makes and deletes other files with long names in the folder, as fast
//       as it can or so many a second
//   interferer READY MILLISECONDS hold-print-screen
//       holds Print Screen as its global hot key, as screenshot tools do
//   interferer READY MILLISECONDS hold-clipboard
//       puts an old 200 x 100 picture on the clipboard and keeps it open
//   interferer READY MILLISECONDS restore-picture
//       puts its 200 x 100 picture back whenever the clipboard is emptied
//   interferer READY MILLISECONDS full-screen RRGGBB FRAME_MS
//       a borderless full-screen window in the foreground that, like a 3D
//       game, draws only at its frames: what another window covered stays on
//       screen until the next one. Losing the foreground, as an exclusive-mode
//       game would lose its screen, it makes the file READY.lost
//
// READY is a file it makes once it has started doing so.
#include <windows.h>

#include <GL/gl.h>

#include <cstdlib>
#include <string>

namespace {

void SayReady(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
}

// Delivers messages until the time is up, also when they never stop
// coming (frames that take longer to draw than their timer's period).
void Pump(DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
        MSG message;
        while (GetTickCount64() < deadline && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
    }
}

// The small picture this program keeps on the clipboard: grey, 200 x 100.
void PutPicture(HWND owner) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 100);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ original = SelectObject(memory, bitmap);
    const RECT all{0, 0, 200, 100};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SelectObject(memory, original);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        SetClipboardData(CF_BITMAP, bitmap);
        CloseClipboard();
    } else {
        DeleteObject(bitmap);
    }
}

LRESULT CALLBACK Restorer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLIPBOARDUPDATE && !IsClipboardFormatAvailable(CF_BITMAP)) {
        PutPicture(window);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

COLORREF gFrameColour = 0;
std::string gLost;
HDC gGameDC = nullptr;

// Drawn with OpenGL, as a 3D game draws: Wine keeps no copy of such a frame
// to put back where another window has been.
void DrawFrame(HWND) {
    glClearColor(GetRValue(gFrameColour) / 255.0f, GetGValue(gFrameColour) / 255.0f,
                 GetBValue(gFrameColour) / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SwapBuffers(gGameDC);
}

LRESULT CALLBACK Game(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            ValidateRect(window, nullptr);
            return 0;
        case WM_ACTIVATEAPP:
            if (!wParam) {
                SayReady(gLost.c_str());
            }
            break;
        case WM_TIMER:
            DrawFrame(window);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND FullScreenGame(COLORREF colour, UINT frameMs) {
    gFrameColour = colour;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Game;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VdrGame";
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowExA(0, windowClass.lpszClassName, "Operation Veldrun", WS_POPUP | WS_VISIBLE, 0,
                        0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                        nullptr, windowClass.hInstance, nullptr);
    gGameDC = GetDC(window);
    PIXELFORMATDESCRIPTOR format{sizeof format, 1};
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    HGLRC context = nullptr;
    if (!SetPixelFormat(gGameDC, ChoosePixelFormat(gGameDC, &format), &format) ||
        !(context = wglCreateContext(gGameDC)) || !wglMakeCurrent(gGameDC, context)) {
        return nullptr;  // no OpenGL here: said at once, not by a game never ready
    }
    SetForegroundWindow(window);
    DrawFrame(window);
    SetTimer(window, 1, frameMs, nullptr);
    return window;
}

HWND MessageWindow(WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VdrInterferer";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        return 2;
    }
    const char* ready = argv[1];
    const DWORD milliseconds = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
    const std::string mode = argv[3];
    if ((mode == "write-and-hold" || mode == "write-and-hold-sharing-all" ||
         mode == "hold-then-write") &&
        argc > 4) {
        const DWORD share = mode == "hold-then-write" ? 0
                            : mode == "write-and-hold"
                                ? FILE_SHARE_READ | FILE_SHARE_WRITE
                                : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        HANDLE file =
            CreateFileA(argv[4], GENERIC_WRITE, share, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return 1;
        }
        DWORD written = 0;
        const bool writeFirst = mode != "hold-then-write";
        if (writeFirst) {
            WriteFile(file, "take 1", 6, &written, nullptr);
        }
        SayReady(ready);
        Sleep(milliseconds);
        if (!writeFirst) {
            WriteFile(file, "take 1", 6, &written, nullptr);
        }
        CloseHandle(file);
        return 0;
    }
    if (mode == "flood" && argc > 4) {
        const std::string folder = argv[4];
        const DWORD perSecond = argc > 5 ? std::strtoul(argv[5], nullptr, 10) : 0;
        SayReady(ready);
        const ULONGLONG start = GetTickCount64();
        for (ULONGLONG made = 0; GetTickCount64() - start < milliseconds; ++made) {
            const std::string other =
                folder + "\\" + std::string(150, 'o') + std::to_string(made % 1000);
            CloseHandle(
                CreateFileA(other.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            DeleteFileA(other.c_str());
            if (perSecond) {
                const ULONGLONG due = start + (made + 1) * 1000 / perSecond;
                const ULONGLONG now = GetTickCount64();
                if (due > now) {
                    Sleep(static_cast<DWORD>(due - now));
                }
            }
        }
        return 0;
    }
    if (mode == "hold-print-screen") {
        if (!RegisterHotKey(nullptr, 1, 0, VK_SNAPSHOT)) {
            return 1;
        }
        SayReady(ready);
        Pump(milliseconds);
        UnregisterHotKey(nullptr, 1);
        return 0;
    }
    if (mode == "hold-clipboard") {
        HWND owner = MessageWindow(DefWindowProcA);
        PutPicture(owner);
        if (!OpenClipboard(owner)) {
            return 1;
        }
        SayReady(ready);
        Sleep(milliseconds);
        CloseClipboard();
        return 0;
    }
    if (mode == "restore-picture") {
        HWND listener = MessageWindow(Restorer);
        PutPicture(listener);
        if (!AddClipboardFormatListener(listener)) {
            return 1;
        }
        SayReady(ready);
        Pump(milliseconds);
        RemoveClipboardFormatListener(listener);
        return 0;
    }
    if (mode == "full-screen" && argc > 5) {
        gLost = std::string(ready) + ".lost";
        const unsigned long rgb = std::strtoul(argv[4], nullptr, 16);
        HWND game = FullScreenGame(RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF),
                                   static_cast<UINT>(std::strtoul(argv[5], nullptr, 10)));
        if (!game) {
            return 3;
        }
        Pump(50);
        SayReady(ready);
        Pump(milliseconds);
        DestroyWindow(game);
        return 0;
    }
    return 2;
}
