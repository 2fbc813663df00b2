#pragma once

#include <cstdint>
#include <utility>

#ifdef _WIN32
#define VDR_FREEIMAGE_CALL __stdcall
#else
#define VDR_FREEIMAGE_CALL
#endif

// The handful of FreeImage functions the photo pipeline calls. On Windows
// they come from FreeImage.dll beside the program, when it is there; the
// host build links the library itself.
struct FreeImageApi {
    using Bitmap = void*;

    static constexpr int kFormatBmp = 0;             // FIF_BMP
    static constexpr int kFormatJpeg = 2;            // FIF_JPEG
    static constexpr int kFilterBilinear = 2;        // FILTER_BILINEAR
    static constexpr int kJpegQualitySuperb = 0x80;  // JPEG_QUALITYSUPERB

    using Memory = void*;

    Bitmap(VDR_FREEIMAGE_CALL* Load)(int format, const char* path, int flags) = nullptr;
    // JPEGs are encoded into memory and written by the program: a full disk
    // is then its own failed write, never an error thrown inside FreeImage
    // (which Wine 10 does not unwind in a 64-bit program).
    Memory(VDR_FREEIMAGE_CALL* OpenMemory)(uint8_t* data, uint32_t size) = nullptr;
    int(VDR_FREEIMAGE_CALL* SaveToMemory)(int format, Bitmap bitmap, Memory memory,
                                          int flags) = nullptr;
    int(VDR_FREEIMAGE_CALL* AcquireMemory)(Memory memory, uint8_t** data, uint32_t* size) = nullptr;
    void(VDR_FREEIMAGE_CALL* CloseMemory)(Memory memory) = nullptr;
    Bitmap(VDR_FREEIMAGE_CALL* Rescale)(Bitmap bitmap, int width, int height, int filter) = nullptr;
    Bitmap(VDR_FREEIMAGE_CALL* ConvertTo24Bits)(Bitmap bitmap) = nullptr;
    unsigned(VDR_FREEIMAGE_CALL* GetBPP)(Bitmap bitmap) = nullptr;
    void(VDR_FREEIMAGE_CALL* Unload)(Bitmap bitmap) = nullptr;

    bool missing = false;  // no library file at all, rather than an unusable one

    bool Available() const {
        return Load && OpenMemory && SaveToMemory && AcquireMemory && CloseMemory && Rescale &&
               ConvertTo24Bits && GetBPP && Unload;
    }
};

// The program's FreeImage; not Available() when the library is missing or
// unusable, and then looked for again at the next call, once a JPEG.
const FreeImageApi& FreeImage();

// One FreeImage bitmap, unloaded when it goes out of scope.
class FreeImageBitmap {
public:
    FreeImageBitmap(const FreeImageApi& api, FreeImageApi::Bitmap bitmap)
        : api_(&api), bitmap_(bitmap) {}
    FreeImageBitmap(FreeImageBitmap&& other) noexcept
        : api_(other.api_), bitmap_(std::exchange(other.bitmap_, nullptr)) {}
    FreeImageBitmap& operator=(FreeImageBitmap&& other) noexcept {
        if (this != &other) {
            Reset();
            api_ = other.api_;
            bitmap_ = std::exchange(other.bitmap_, nullptr);
        }
        return *this;
    }
    FreeImageBitmap(const FreeImageBitmap&) = delete;
    FreeImageBitmap& operator=(const FreeImageBitmap&) = delete;
    ~FreeImageBitmap() { Reset(); }

    FreeImageApi::Bitmap Get() const { return bitmap_; }
    explicit operator bool() const { return bitmap_ != nullptr; }
    void Reset() {
        if (bitmap_) {
            api_->Unload(std::exchange(bitmap_, nullptr));
        }
    }

private:
    const FreeImageApi* api_;
    FreeImageApi::Bitmap bitmap_;
};
