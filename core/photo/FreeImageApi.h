#pragma once

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

    Bitmap(VDR_FREEIMAGE_CALL* Load)(int format, const char* path, int flags) = nullptr;
    int(VDR_FREEIMAGE_CALL* Save)(int format, Bitmap bitmap, const char* path, int flags) = nullptr;
    Bitmap(VDR_FREEIMAGE_CALL* Rescale)(Bitmap bitmap, int width, int height, int filter) = nullptr;
    Bitmap(VDR_FREEIMAGE_CALL* ConvertTo24Bits)(Bitmap bitmap) = nullptr;
    unsigned(VDR_FREEIMAGE_CALL* GetBPP)(Bitmap bitmap) = nullptr;
    void(VDR_FREEIMAGE_CALL* Unload)(Bitmap bitmap) = nullptr;

    bool missing = false;  // no library file at all, rather than an unusable one

    bool Available() const {
        return Load && Save && Rescale && ConvertTo24Bits && GetBPP && Unload;
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
