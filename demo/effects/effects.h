#pragma once

#include <cstdint>

#include "interfaces/surface.h"

// Prelo's own per-pixel effects on 24-bit surfaces (bytes blue, green, red). Every routine is a
// free function that draws into its destination and reports nothing. Colours are passed as red,
// green, blue. The routines never write or read outside their surfaces: rectangles that leave a
// surface are clipped, and arguments no caller can mean (sizes below 1, a tile larger than its
// source) draw nothing. See each routine for what it does with a source point outside its source.

// Resamples the source quadrilateral (x0, y0) (x1, y1) (x2, y2) (x3, y3) — the source points shown
// at the destination rectangle's top-left, top-right, bottom-right and bottom-left corners — into
// w x rows pixels at (dx, dy). Row i of the call keeps only channel i mod 3, half destination and
// half source. Positions step in 20.12 fixed point; samples outside the source repeat its edge.
void ScanlineQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, int32_t x0, int32_t y0,
                  int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);

// As ScanlineQuad, but draws rows / 2 rows, every second destination row from dy, each byte the
// average of destination and source. Alternating dy between 0 and 1 refreshes the two fields.
void InterlaceQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, int32_t x0,
                   int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);

// Repeats the tile made of the source's columns 0..sw-1 and rows 0..sh-1 over w x rows pixels at
// (dx, dy), starting at tile point (sx + ox, sy + oy) wrapped into the tile, by the scanline rule.
void ScanlineTile(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, int32_t sx, int32_t sy,
                  int32_t sw, int32_t sh, int32_t ox, int32_t oy);

// Keeps one channel per row of the w x rows rectangle at (x, y): blue, green, red, blue, ...
void ScanlineMask(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t rows);

// Horizontal box blur of the w x rows source rectangle at (sx, sy) into (dx, dy): each output
// pixel is the sum of 2 * (window / 2) source pixels, edge pixels repeated, shifted right by
// shift. window = 2^(k+1) with shift = k + 1 gives an exact mean. The source rectangle must lie
// inside src (its ends are the repeated edges); otherwise nothing is drawn. Blurring a surface
// into itself works on a copy of the source pixels.
void BoxBlurRows(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t rows,
                 int32_t window, int32_t shift);

// Lays the colour over w x rows pixels at (dx, dy) at up to half strength, weighted by the mask
// plane's bytes from (mx, my). Needs GraphMultiplyTable(); without it nothing is drawn. Colour
// components outside 0..255 keep their low byte.
void TintMask(ISurface* dst, int32_t dx, int32_t dy, ISurface* mask, int32_t mx, int32_t my, int32_t w, int32_t rows,
              int32_t red, int32_t green, int32_t blue);

// As TintMask, with the mask rectangle (fx, fy, fw, fh) scaled to w x rows in 16.16 fixed point.
void TintMaskScaled(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* mask, float fx, float fy,
                    float fw, float fh, int32_t red, int32_t green, int32_t blue);

// Fade the w x rows pixels at (dx, dy) a little and add a fraction (1/16, 1/8, 1/4) of the source
// rectangle (fx, fy, fw, fh) scaled over them, leaving a trail when repeated every frame. Need
// GraphMultiplyTable(); without it nothing is drawn. Samples outside the source repeat its edge.
void Afterimage16(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                  float fw, float fh);
void Afterimage8(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                 float fw, float fh);
void Afterimage4(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                 float fw, float fh);

// A point of ScreenQuad's geometry, in 32-bit floats.
struct Vertex {
    float x;
    float y;
};

// Maps the source onto the convex quadrilateral destination[0..3] of the 640 x 480 screen, vertex
// k showing source point source[k], and screens it over what is there (the result is never darker
// than either). Only rows 0..479 and columns 0..639 are written. Needs GraphScreenTable(); without
// it nothing is drawn. Samples outside the source repeat its edge.
void ScreenQuad(ISurface* dst, const Vertex destination[4], ISurface* src, const Vertex source[4]);
