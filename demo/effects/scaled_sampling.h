#pragma once

#include <cstdint>

#include "demo/base/plane_view.h"
#include "demo/effects/clip_indices.h"
#include "demo/effects/fixed_point.h"

// Shared by the routines that stretch a float source rectangle (fx, fy, fw, fh) over a w x rows
// destination rectangle in 16.16 fixed point: the clipped destination and the source position of
// its first pixel.
struct ScaledWalk {
    IndexRange rows;
    IndexRange columns;
    int32_t x = 0;  // source column position of the first drawn pixel of every row
    int32_t stepX = 0;
    int32_t y = 0;  // source row position of the first drawn row
    int32_t stepY = 0;

    int32_t RowPosition(int32_t drawnRow) const { return WrapAdd(y, WrapMul(stepY, drawnRow - rows.begin)); }
};

constexpr int32_t kScaledShift = 16;

// False when nothing is to be drawn: sizes below 1 (tested before dividing by them) or a
// destination rectangle wholly outside out.
inline bool StartScaledWalk(const PlaneView& out, int32_t dx, int32_t dy, int32_t w, int32_t rows, float fx, float fy,
                            float fw, float fh, ScaledWalk& walk) {
    if (w <= 0 || rows <= 0) return false;
    walk.rows = ClipIndices(dy, 1, rows, out.height);
    walk.columns = ClipIndices(dx, 1, w, out.width);
    if (walk.rows.Empty() || walk.columns.Empty()) return false;
    walk.stepX = ToFixed16(fw / static_cast<float>(w));
    walk.stepY = ToFixed16(fh / static_cast<float>(rows));
    walk.x = WrapAdd(ToFixed16(fx), WrapMul(walk.stepX, walk.columns.begin));
    walk.y = WrapAdd(ToFixed16(fy), WrapMul(walk.stepY, walk.rows.begin));
    return true;
}

// Calls pixel(j, column) for the count columns of a row, column being the source column of
// position x + j * step. Positions outside 0..extent-1 repeat the edge column; the check runs once
// a row so the usual, in-range row indexes directly.
template <typename PixelFn>
inline void ForEachScaledColumn(int32_t x, int32_t step, int32_t count, int32_t extent, PixelFn pixel) {
    if (StaysInside(x, step, count, kScaledShift, extent)) {
        for (int32_t j = 0; j < count; ++j, x = WrapAdd(x, step)) pixel(j, x >> kScaledShift);
    } else {
        for (int32_t j = 0; j < count; ++j, x = WrapAdd(x, step)) pixel(j, ClampIndex(x >> kScaledShift, extent));
    }
}
