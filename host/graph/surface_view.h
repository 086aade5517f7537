#pragma once

#include <cstdint>
#include <vector>

#include "interfaces/surface.h"

namespace host {

// The planes of a surface as plain pointers, checked once so that the drawing loops can trust
// them: a plane whose pitch could not hold a row is treated as missing.
struct SurfaceView {
    uint8_t* pixels = nullptr;
    int32_t pitch = 0;
    uint8_t* alpha = nullptr;
    int32_t alphaPitch = 0;
    int32_t width = 0;
    int32_t height = 0;

    static SurfaceView Of(ISurface* surface);

    // The pixel plane copied into storage, for a draw whose destination is this very plane and
    // must still read the source as it was before the call. No alpha plane.
    SurfaceView PixelsCopiedTo(std::vector<uint8_t>& storage) const;

    uint8_t* PixelRow(int32_t y) const { return pixels + static_cast<intptr_t>(y) * pitch; }
    uint8_t* AlphaRow(int32_t y) const { return alpha + static_cast<intptr_t>(y) * alphaPitch; }
};

// A rectangle of the destination paired with one of the source, both inside their surfaces.
struct CopyRect {
    int32_t dx, dy, sx, sy, w, h;
};

// Cuts (dx, dy, w, h) at (sx, sy) down to what lies inside both sizes; false when nothing does.
// Arithmetic is 64-bit, so no argument value can wrap into a bogus rectangle.
bool ClipCopy(int32_t dstWidth, int32_t dstHeight, int32_t srcWidth, int32_t srcHeight, int32_t dx, int32_t dy,
              int32_t sx, int32_t sy, int32_t w, int32_t h, CopyRect* out);

struct FillRect {
    int32_t x, y, w, h;
};

bool ClipFill(int32_t width, int32_t height, int32_t x, int32_t y, int32_t w, int32_t h, FillRect* out);

}  // namespace host
