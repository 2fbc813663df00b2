#include "BareCopy.h"

#include <windows.h>

#include "Stats.h"

double BareCopyAndWrite(const std::string& path) {
    Stopwatch watch;
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(width) * height * 4;
    static void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    static HBITMAP picture = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                              DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ original = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, GetSystemMetrics(SM_XVIRTUALSCREEN),
           GetSystemMetrics(SM_YVIRTUALSCREEN), SRCCOPY);
    GdiFlush();
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &header, sizeof header, &written, nullptr);
    WriteFile(out, bits, header.biSizeImage, &written, nullptr);
    CloseHandle(out);
    SelectObject(memory, original);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return watch.Milliseconds();
}
