#include "fake_layerforge.h"

#include <cstddef>

FakeSurface::FakeSurface(int32_t width, int32_t height, bool pixels, bool alpha, int32_t padding, int* live)
    : width_(width), height_(height), pitch_(width * 3 + padding), alphaPitch_(width + padding), live_(live) {
    // Rows start filled with a marker, so untouched pixels show up in comparisons.
    if (pixels) {
        pixels_.assign(static_cast<size_t>(pitch_) * height + kGuardBytes, kGuard);
    }
    if (alpha) alpha_.assign(static_cast<size_t>(alphaPitch_) * height + kGuardBytes, kGuard);
    ++*live_;
}

int32_t FakeSurface::Release() {
    --*live_;
    delete this;
    return 0;
}

uint8_t* FakeSurface::PixelAt(int32_t x, int32_t y) {
    if (pixels_.empty()) return nullptr;
    return pixels_.data() + static_cast<ptrdiff_t>(y) * pitch_ + x * 3;
}

uint8_t* FakeSurface::AlphaAt(int32_t x, int32_t y) {
    if (alpha_.empty()) return nullptr;
    return alpha_.data() + static_cast<ptrdiff_t>(y) * alphaPitch_ + x;
}

uint32_t FakeSurface::Rgb(int32_t x, int32_t y) {
    const uint8_t* p = PixelAt(x, y);
    return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
}

bool FakeSurface::GuardsIntact() const {
    // The last row's padding belongs to no pixel either.
    const auto intactFrom = [](const std::vector<uint8_t>& plane, size_t from) {
        for (size_t i = from; i < plane.size(); ++i) {
            if (plane[i] != kGuard) return false;
        }
        return true;
    };
    const size_t lastRow = static_cast<size_t>(height_ - 1);
    return (pixels_.empty() || intactFrom(pixels_, lastRow * pitch_ + width_ * 3u)) &&
           (alpha_.empty() || intactFrom(alpha_, lastRow * alphaPitch_ + width_));
}

ISurface* FakeLayerforge::Make(int32_t width, int32_t height, bool pixels, bool alpha, Kind kind) {
    if (failCreation || width <= 0 || height <= 0) return nullptr;
    ++created;
    lastKind = kind;
    return new FakeSurface(width, height, pixels, alpha, padding, &liveSurfaces);
}

ISurface* FakeLayerforge::CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t) {
    return Make(width, height, true, true, Kind::WithAlpha);
}

ISurface* FakeLayerforge::CreateSurface(int32_t width, int32_t height, int32_t) {
    return Make(width, height, true, false, Kind::Plain);
}

ISurface* FakeLayerforge::CreateMaskSurface(int32_t width, int32_t height) {
    return Make(width, height, false, true, Kind::Mask);
}
