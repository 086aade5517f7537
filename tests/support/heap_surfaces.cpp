#include "tests/support/heap_surfaces.h"

#include <cstddef>

HeapSurface::HeapSurface(int32_t width, int32_t height, bool pixels, bool alpha, const HeapLayout& layout, int* live)
    : width_(width), height_(height), fill_(layout.fill), live_(live) {
    if (pixels) {
        pitch_ = width * 3 + layout.rowPadding;
        pixels_.assign(static_cast<size_t>(pitch_) * height + layout.guardBytes, fill_);
    }
    if (alpha) {
        alphaPitch_ = width + (layout.padAlphaRows ? layout.rowPadding : 0);
        alpha_.assign(static_cast<size_t>(alphaPitch_) * height + layout.guardBytes, fill_);
    }
    ++*live_;
}

int32_t HeapSurface::Release() {
    --*live_;
    delete this;
    return 0;
}

uint8_t* HeapSurface::PixelAt(int32_t x, int32_t y) {
    if (pixels_.empty()) return nullptr;
    return pixels_.data() + static_cast<ptrdiff_t>(y) * pitch_ + x * 3;
}

uint8_t* HeapSurface::AlphaAt(int32_t x, int32_t y) {
    if (alpha_.empty()) return nullptr;
    return alpha_.data() + static_cast<ptrdiff_t>(y) * alphaPitch_ + x;
}

uint32_t HeapSurface::Rgb(int32_t x, int32_t y) {
    const uint8_t* p = PixelAt(x, y);
    return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
}

bool HeapSurface::GuardsIntact() const {
    // The last row's padding belongs to no pixel either.
    const auto intactFrom = [this](const std::vector<uint8_t>& plane, size_t from) {
        for (size_t i = from; i < plane.size(); ++i) {
            if (plane[i] != fill_) return false;
        }
        return true;
    };
    const size_t lastRow = static_cast<size_t>(height_ - 1);
    return (pixels_.empty() || intactFrom(pixels_, lastRow * pitch_ + width_ * 3u)) &&
           (alpha_.empty() || intactFrom(alpha_, lastRow * alphaPitch_ + width_));
}

ISurface* HeapLayerforge::Make(int32_t width, int32_t height, bool pixels, bool alpha, Kind kind) {
    if (failCreation || width <= 0 || height <= 0) return nullptr;
    if (maxPixels != 0 && static_cast<int64_t>(width) * height > maxPixels) return nullptr;
    ++created;
    lastKind = kind;
    return new HeapSurface(width, height, pixels, alpha, layout, &liveSurfaces);
}

ISurface* HeapLayerforge::CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t) {
    return Make(width, height, true, true, Kind::WithAlpha);
}

ISurface* HeapLayerforge::CreateSurface(int32_t width, int32_t height, int32_t) {
    return Make(width, height, true, false, Kind::Plain);
}

ISurface* HeapLayerforge::CreateMaskSurface(int32_t width, int32_t height) {
    return Make(width, height, false, true, Kind::Mask);
}
