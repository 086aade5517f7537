#pragma once

#include <cstdint>

#include "demo/effects/effects.h"
#include "interfaces/surface.h"

// Plain, slow second implementations of the effects, written straight from their formulas: one
// PixelAt per pixel, positions by repeated addition, the tables computed from their definition.
// Valid only for calls inside the surfaces; the differential tests compare the real routines to them.
namespace reference {

uint8_t Multiply(int i, int j);  // (2ij + 1) / 510
uint8_t Screen(int i, int j);    // 255 - Multiply(255 - i, 255 - j)
int32_t Fixed16(float v);        // R * 65536 + trunc((v - R) * 65536), R nearest with ties to even

void ScanlineQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, const int32_t q[8]);
void InterlaceQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, const int32_t q[8]);
void ScanlineTile(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, int32_t sx, int32_t sy,
                  int32_t sw, int32_t sh, int32_t ox, int32_t oy);
void ScanlineMask(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t rows);
void BoxBlurRows(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t rows,
                 int32_t window, int32_t shift);
void TintMask(ISurface* dst, int32_t dx, int32_t dy, ISurface* mask, int32_t mx, int32_t my, int32_t w, int32_t rows,
              int32_t red, int32_t green, int32_t blue);
void TintMaskScaled(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* mask, float fx, float fy,
                    float fw, float fh, int32_t red, int32_t green, int32_t blue);
// keep = 239, 223 or 191 with shift 4, 3 or 2.
void Afterimage(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                float fw, float fh, int keep, int shift);
void ScreenQuad(ISurface* dst, const Vertex destination[4], ISurface* src, const Vertex source[4]);

}  // namespace reference
