#pragma once

#include <cstdint>

#include "interfaces/surface.h"

// One plane of a surface as the demo's loops address it: height rows of width pixels, row y at
// base + y * pitch (a negative pitch for rows stored bottom-up). Only memory inside the rows (and
// the padding between them) belongs to it. Taking the geometry once keeps the surface's virtual
// calls out of the pixel loops, and checking it once lets them trust every address inside.
struct PlaneView {
    uint8_t* base = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;

    uint8_t* Row(int32_t y) const { return base + static_cast<intptr_t>(y) * pitch; }
};

// The 24-bit pixel plane (3 bytes a pixel) or the 8-bit alpha plane of a surface, width x height
// pixels of it. False, and an empty view, when the surface has no such plane, its pitch is
// shorter than a row, or it lays the plane out differently from what its pitch says.
bool BindPixelPlane(ISurface* surface, int32_t width, int32_t height, PlaneView& plane);
bool BindAlphaPlane(ISurface* surface, int32_t width, int32_t height, PlaneView& plane);

// The same at the surface's own size.
inline bool BindPixelPlane(ISurface* surface, PlaneView& plane) {
    return BindPixelPlane(surface, surface != nullptr ? surface->Width() : 0,
                          surface != nullptr ? surface->Height() : 0, plane);
}
inline bool BindAlphaPlane(ISurface* surface, PlaneView& plane) {
    return BindAlphaPlane(surface, surface != nullptr ? surface->Width() : 0,
                          surface != nullptr ? surface->Height() : 0, plane);
}
