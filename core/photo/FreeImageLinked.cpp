#include <FreeImage.h>

#include "core/files/NativePath.h"
#include "core/photo/FreeImageApi.h"

namespace {

FIBITMAP* Dib(void* bitmap) { return static_cast<FIBITMAP*>(bitmap); }

void* Load(int format, const char* path, int flags) {
    return FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), NativePath(path).c_str(), flags);
}
FIMEMORY* Stream(void* memory) { return static_cast<FIMEMORY*>(memory); }
void* OpenMemory(uint8_t* data, uint32_t size) { return FreeImage_OpenMemory(data, size); }
int SaveToMemory(int format, void* bitmap, void* memory, int flags) {
    return FreeImage_SaveToMemory(static_cast<FREE_IMAGE_FORMAT>(format), Dib(bitmap),
                                  Stream(memory), flags);
}
int AcquireMemory(void* memory, uint8_t** data, uint32_t* size) {
    return FreeImage_AcquireMemory(Stream(memory), data, size);
}
void CloseMemory(void* memory) { FreeImage_CloseMemory(Stream(memory)); }
void* Rescale(void* bitmap, int width, int height, int filter) {
    return FreeImage_Rescale(Dib(bitmap), width, height, static_cast<FREE_IMAGE_FILTER>(filter));
}
void* ConvertTo24Bits(void* bitmap) { return FreeImage_ConvertTo24Bits(Dib(bitmap)); }
unsigned GetBPP(void* bitmap) { return FreeImage_GetBPP(Dib(bitmap)); }
void Unload(void* bitmap) { FreeImage_Unload(Dib(bitmap)); }

}  // namespace

const FreeImageApi& FreeImage() {
    static const FreeImageApi api = [] {
        FreeImageApi linked;
        linked.Load = Load;
        linked.OpenMemory = OpenMemory;
        linked.SaveToMemory = SaveToMemory;
        linked.AcquireMemory = AcquireMemory;
        linked.CloseMemory = CloseMemory;
        linked.Rescale = Rescale;
        linked.ConvertTo24Bits = ConvertTo24Bits;
        linked.GetBPP = GetBPP;
        linked.Unload = Unload;
        return linked;
    }();
    return api;
}
