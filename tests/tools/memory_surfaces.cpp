#include "memory_surfaces.h"

#include <cstddef>

namespace {

constexpr int32_t kRowPadding = 7;

}  // namespace

MemorySurface::MemorySurface(int32_t width, int32_t height, bool pixels, bool alpha, int* live)
    : width_(width), height_(height), pitch_(pixels ? 3 * width + kRowPadding : 0), live_(live) {
    if (pixels) pixels_.assign(static_cast<size_t>(pitch_) * height, 0);
    if (alpha) alpha_.assign(static_cast<size_t>(width) * height, 0);
    ++*live_;
}

int32_t MemorySurface::Release() {
    --*live_;
    delete this;
    return 0;
}

uint8_t* MemorySurface::PixelAt(int32_t x, int32_t y) {
    return pixels_.empty() ? nullptr : pixels_.data() + static_cast<size_t>(y) * pitch_ + 3 * x;
}

uint8_t* MemorySurface::AlphaAt(int32_t x, int32_t y) {
    return alpha_.empty() ? nullptr : alpha_.data() + static_cast<size_t>(y) * width_ + x;
}

ISurface* MemoryLayerforge::Make(int32_t width, int32_t height, bool pixels, bool alpha) {
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) return nullptr;
    return new MemorySurface(width, height, pixels, alpha, &liveSurfaces);
}
