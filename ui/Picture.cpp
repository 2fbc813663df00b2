#include "ui/Picture.h"

namespace ui {

void Picture::Set(UniqueBitmap bitmap) {
    EndDrawing();
    bitmap_ = std::move(bitmap);
    BITMAP info{};
    if (bitmap_ && GetObjectA(bitmap_.Get(), sizeof info, &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    } else {
        width_ = height_ = 0;
    }
}

UniqueBitmap Picture::Take() {
    EndDrawing();
    width_ = height_ = 0;
    return std::move(bitmap_);
}

HDC Picture::ImageDC(int width, int height) {
    if (!bitmap_ || width != width_ || height != height_) {
        EndDrawing();
        WindowDC screen(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
        width_ = bitmap_ ? width : 0;
        height_ = bitmap_ ? height : 0;
    }
    if (!dc_ && bitmap_) {
        dc_.Reset(CreateCompatibleDC(nullptr));
        if (dc_) {
            original_ = SelectObject(dc_.Get(), bitmap_.Get());
        }
    }
    return dc_.Get();
}

void Picture::EndDrawing() {
    if (dc_) {
        SelectObject(dc_.Get(), original_);
        dc_.Reset();
        original_ = nullptr;
    }
}

void Picture::Paint(HDC target) const {
    if (!bitmap_) {
        return;
    }
    if (dc_) {
        BitBlt(target, 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
        return;
    }
    UniqueMemoryDC source(CreateCompatibleDC(target));
    Selection selected(source.Get(), bitmap_.Get());
    BitBlt(target, 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
}

void Picture::Clear() {
    EndDrawing();
    bitmap_.Reset();
    width_ = height_ = 0;
}

}  // namespace ui
