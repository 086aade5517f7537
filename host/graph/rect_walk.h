#pragma once

#include <cstdint>

#include "host/graph/surface_view.h"

namespace host {

// Visits a clipped rectangle pixel by pixel: op(dstPixel, srcPixel, srcAlpha), where srcPixel is
// null when the source has no pixel plane and srcAlpha null when it has no alpha plane.
template <typename Op>
void WalkCopy(const SurfaceView& dst, const SurfaceView& src, const CopyRect& r, Op op) {
    for (int32_t row = 0; row < r.h; ++row) {
        uint8_t* d = dst.PixelRow(r.dy + row) + r.dx * 3;
        const uint8_t* s = src.pixels ? src.PixelRow(r.sy + row) + r.sx * 3 : nullptr;
        const uint8_t* a = src.alpha ? src.AlphaRow(r.sy + row) + r.sx : nullptr;
        for (int32_t col = 0; col < r.w; ++col) {
            op(d, s, a);
            d += 3;
            if (s) s += 3;
            if (a) ++a;
        }
    }
}

template <typename Op>
void WalkFill(const SurfaceView& dst, const FillRect& r, Op op) {
    for (int32_t row = 0; row < r.h; ++row) {
        uint8_t* d = dst.PixelRow(r.y + row) + r.x * 3;
        for (int32_t col = 0; col < r.w; ++col, d += 3) op(d);
    }
}

}  // namespace host
