#include "demo/assets/dib_surface.h"

#include <cstddef>
#include <cstring>

bool DibSurface::Create(platform::Window window, int32_t width, int32_t height, int32_t bitsPerPixel) {
    if (created_) return true;
    if (bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24) return false;
    if (width <= 0 || height <= 0 || width > INT32_MAX / 4) return false;
    const int32_t bytesPerPixel = bitsPerPixel / 8;
    const int32_t pitch = (width * bytesPerPixel + 3) & ~3;
    uint8_t* bits = nullptr;
    // The bitmap's own width is whole 4-byte rows, so its rows are exactly pitch apart.
    platform::DibSection bitmap =
        platform::CreateDibSection(window, pitch / bytesPerPixel, height, bitsPerPixel, &bits);
    if (bitmap == nullptr) return false;
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;
    bytesPerPixel_ = bytesPerPixel;
    pitch_ = pitch;
    bitmap_ = bitmap;
    bits_ = bits;
    created_ = true;
    return true;
}

int32_t DibSurface::Release() {
    if (bitmap_ != nullptr) {
        platform::DeleteDibSection(bitmap_);
        bitmap_ = nullptr;
        bits_ = nullptr;
        width_ = height_ = bitsPerPixel_ = bytesPerPixel_ = pitch_ = 0;
    }
    created_ = false;
    return 0;
}

uint8_t* DibSurface::PixelAt(int32_t x, int32_t y) {
    if (bits_ == nullptr) return nullptr;
    return bits_ + static_cast<ptrdiff_t>(x) * bytesPerPixel_ + static_cast<ptrdiff_t>(y) * pitch_;
}

bool DibSurface::SetPalette(int32_t first, int32_t count, const uint8_t* colours) {
    if (bitsPerPixel_ != 8 || colours == nullptr) return false;
    // Entries outside the table are dropped rather than written past it.
    for (int64_t i = first < 0 ? -static_cast<int64_t>(first) : 0; i < count && first + i < kPaletteEntries; ++i) {
        std::memcpy(palette_ + (first + i) * 4, colours + i * 4, 4);
    }
    paletteDirty_ = true;
    return true;
}

bool DibSurface::BlitToWindow(platform::Window window, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                              int32_t h) {
    if (bitmap_ == nullptr) return false;
    if (!platform::BlitDibSection(bitmap_, paletteDirty_ ? palette_ : nullptr, window, dx, dy, sx, sy, w, h)) {
        return false;
    }
    paletteDirty_ = false;
    return true;
}
