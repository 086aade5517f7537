#pragma once

#include <cstddef>
#include <cstdint>

#include "interfaces/surface.h"

// One plane of a surface as the decoders see it: height rows of width pixels, pitch bytes apart,
// the first at base. Only memory inside the rows (and the padding between them) belongs to it.
struct PlaneView {
    uint8_t* base = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    ptrdiff_t pitch = 0;
};

// The pixel plane (3 bytes a pixel) or the 8-bit plane of a surface. False when the surface has
// no such plane or lays it out differently from what its pitch says, since the decoders address
// rows and the rows above through the pitch alone.
bool PixelPlaneOf(ISurface& surface, int32_t width, int32_t height, PlaneView* plane);
bool AlphaPlaneOf(ISurface& surface, int32_t width, int32_t height, PlaneView* plane);
