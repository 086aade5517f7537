#pragma once

#include <cstdint>

#include "surface.h"

// The 33-slot drawing interface served by the host-loaded Graph module and by Pixmill.
// Slot order and argument counts are binding: on i686 a member call pops its own arguments, so a
// slot declared with the wrong count would unbalance the caller's stack. Unused slots keep their
// argument counts for that reason. Colours are passed as (c1, c2, c3) = (red, green, blue);
// levels and alphas run 0..255.
class IGraph {
public:
    virtual int32_t Identify() = 0;               // 0
    virtual int32_t Reserved1() = 0;              // 1
    virtual bool Initialize() = 0;                // 2: true on success
    virtual void Attach(void* graphContext) = 0;  // 3

    // 4: opaque copy of a rectangle of src to (dx, dy).
    virtual void Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                      int32_t h) = 0;
    virtual void Unused5(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h) = 0;
    // 6: src faded in over dst at a level (0 = dst unchanged, 255 = plain copy).
    virtual void CopyLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                           int32_t h, int32_t level) = 0;
    // 7: constant-alpha blend; only the low 8 bits of alpha count.
    virtual void BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                            int32_t h, int32_t alpha) = 0;
    virtual void Unused8(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h, int32_t a, int32_t b) = 0;
    virtual void Unused9(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h) = 0;
    // 10: src's alpha plane weights each pixel.
    virtual void BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                            int32_t h) = 0;
    virtual void Unused11(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                          int32_t h) = 0;
    // 12: src's shape (its 8-bit plane) painted in one colour.
    virtual void ShapeColor(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                            int32_t h, int32_t c1, int32_t c2, int32_t c3) = 0;
    // 13: as ShapeColor, at a level.
    virtual void ShapeColorLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy,
                                 int32_t w, int32_t h, int32_t c1, int32_t c2, int32_t c3, int32_t level) = 0;
    // 14: per-pixel-alpha blend scaled by a level.
    virtual void BlendAlphaLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy,
                                 int32_t w, int32_t h, int32_t level) = 0;
    // 15: constant-alpha blend at a level.
    virtual void BlendLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                            int32_t h, int32_t level) = 0;
    virtual void Unused16(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                          int32_t h, int32_t a, int32_t b) = 0;
    // 17: dst's rectangle washed toward a colour through src's shape, at a level.
    virtual void WashShape(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t h, ISurface* src, int32_t sx,
                           int32_t sy, int32_t c1, int32_t c2, int32_t c3, int32_t level) = 0;
    // 18: per-pixel-alpha blend of an overlay surface.
    virtual void BlendOverlay(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                              int32_t h) = 0;
    virtual void Unused19(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                          int32_t h) = 0;
    virtual void Unused20(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                          int32_t h, int32_t a) = 0;
    // 21: fill a rectangle with one colour.
    virtual void FillRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2,
                          int32_t c3) = 0;
    virtual void Unused22(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t a) = 0;
    // 23: a rectangle moved toward one colour at a level.
    virtual void FillRectLevel(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2,
                               int32_t c3, int32_t level) = 0;
    virtual void Unused24(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t a, int32_t b,
                          int32_t c) = 0;
    virtual void Unused25(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t a, int32_t b,
                          int32_t c) = 0;
    virtual void Unused26(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t a, int32_t b,
                          int32_t c) = 0;
    // 27: a rectangle dimmed to level/255.
    virtual void DimRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) = 0;
    // 28: src's rectangle tiled over dst's rectangle with a wrap-around offset (ox, oy).
    virtual void TileOffset(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                            int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy) = 0;
    // 29: as TileOffset, blended at a level.
    virtual void TileOffsetLevel(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src,
                                 int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy,
                                 int32_t level) = 0;
    virtual void Unused30(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                          int32_t sy, int32_t sw, int32_t sh) = 0;
    // 31: the source rectangle (fx, fy, fw, fh) scaled over dst's rectangle; n is a quality hint.
    virtual void ZoomRect(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, float fx,
                          float fy, float fw, float fh, int32_t n) = 0;
    virtual void Unused32(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                          int32_t sy, int32_t sw, int32_t sh) = 0;

protected:
    ~IGraph() = default;
};
