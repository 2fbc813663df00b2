// A stand-in for FreeImage.dll with the same exports, for the one fault the
// real library cannot be made to show on demand: a save that fails. It reads
// the size from the bitmap file it is given, and every save fails.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

struct FakeBitmap {
    int width;
    int height;
    unsigned bitsPerPixel;
    int filter;
};

FakeBitmap* Make(const FakeBitmap& shape) { return new FakeBitmap(shape); }

}  // namespace

extern "C" {

__declspec(dllexport) void* __stdcall FreeImage_Load(int format, const char* path, int) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file || format != 0) {
        if (file) {
            std::fclose(file);
        }
        return nullptr;
    }
    unsigned char header[54] = {};
    const size_t read = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    if (read != sizeof header || header[0] != 'B' || header[1] != 'M') {
        return nullptr;
    }
    FakeBitmap shape{};
    std::memcpy(&shape.width, header + 18, 4);
    std::memcpy(&shape.height, header + 22, 4);
    shape.bitsPerPixel = header[28];
    shape.filter = -1;
    return Make(shape);
}

__declspec(dllexport) void* __stdcall FreeImage_Rescale(void* bitmap, int width, int height,
                                                        int filter) {
    if (!bitmap) {
        return nullptr;
    }
    FakeBitmap shape = *static_cast<FakeBitmap*>(bitmap);
    shape.width = width;
    shape.height = height;
    shape.filter = filter;
    return Make(shape);
}

__declspec(dllexport) void* __stdcall FreeImage_ConvertTo24Bits(void* bitmap) {
    if (!bitmap) {
        return nullptr;
    }
    FakeBitmap shape = *static_cast<FakeBitmap*>(bitmap);
    shape.bitsPerPixel = 24;
    return Make(shape);
}

__declspec(dllexport) unsigned __stdcall FreeImage_GetBPP(void* bitmap) {
    return bitmap ? static_cast<FakeBitmap*>(bitmap)->bitsPerPixel : 0;
}

__declspec(dllexport) void __stdcall FreeImage_Unload(void* bitmap) {
    delete static_cast<FakeBitmap*>(bitmap);
}

// A stream that takes nothing: every save into it fails.
__declspec(dllexport) void* __stdcall FreeImage_OpenMemory(unsigned char*, unsigned) {
    static int stream;
    return &stream;
}

__declspec(dllexport) int __stdcall FreeImage_SaveToMemory(int, void*, void*, int) { return 0; }

__declspec(dllexport) int __stdcall FreeImage_AcquireMemory(void*, unsigned char**, unsigned*) {
    return 0;
}

__declspec(dllexport) void __stdcall FreeImage_CloseMemory(void*) {}
}
