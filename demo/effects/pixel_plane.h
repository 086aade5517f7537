#pragma once

#include <cstdint>

#include "interfaces/surface.h"

// One plane of a surface as the effects address it: row y starts at base + y * pitch. Taking the
// geometry once keeps the surface's virtual calls out of the pixel loops, and checking it once
// lets the loops trust every address inside width x height.
struct PixelPlane {
    uint8_t* base = nullptr;
    int32_t pitch = 0;
    int32_t width = 0;
    int32_t height = 0;

    uint8_t* Row(int32_t y) const { return base + static_cast<intptr_t>(y) * pitch; }
};

// The 24-bit plane of a surface. False when the surface has no pixel memory or its geometry could
// not hold width x height pixels of 3 bytes.
bool BindPixelPlane(ISurface* surface, PixelPlane& plane);
// The 8-bit alpha (mask) plane. False when there is none or its geometry is inconsistent.
bool BindAlphaPlane(ISurface* surface, PixelPlane& plane);

// The part [begin, end) of a call's indices 0..count-1 whose positions offset + index * stride
// fall inside 0..extent-1 (stride 1 or more). Empty when begin >= end.
struct IndexRange {
    int32_t begin = 0;
    int32_t end = 0;
    bool Empty() const { return begin >= end; }
    int32_t Size() const { return end - begin; }
};
IndexRange ClipIndices(int32_t offset, int32_t stride, int32_t count, int32_t extent);
