#pragma once

#include <cstdint>

#include "demo/base/plane_view.h"
#include "demo/base/row_table.h"

// The innermost loops of the effects, one table per instruction set. Every set draws the same
// bytes as the plain one: the rules are small integer formulas, and the positions are stepped by
// the same 32-bit additions (integer, or float one pixel after another) in every set.

// count source samples at (x, y) + j * (stepX, stepY), in 20.12 fixed point, the additions
// wrapping in 32 bits. Samples outside the source repeat its edge.
struct SampleRun {
    int32_t x;
    int32_t y;
    int32_t stepX;
    int32_t stepY;
    int32_t count;
};

// The colour a tint lays over a pixel, each component 0..255, and the 256 x 256 multiply table
// T[j][k] = floor(j * k / 255) the plain loops look it up in (the SIMD forms compute it).
struct TintColour {
    const RowTable* table;
    int32_t red;
    int32_t green;
    int32_t blue;
};

struct EffectKernels {
    const char* name;
    // The scanline rule for channel 0..2 over run.count pixels of out.
    void (*scanlineRun)(uint8_t* out, const PlaneView& in, const SampleRun& run, int32_t channel);
    // The scanline rule for channel 0..2 over count pixels of out from count contiguous ones.
    void (*scanlineSpan)(uint8_t* out, const uint8_t* in, int32_t count, int32_t channel);
    // Keeps channel 0..2 of count pixels of out and clears the other two.
    void (*maskSpan)(uint8_t* out, int32_t count, int32_t channel);
    // The average rule over run.count pixels of out.
    void (*averageRun)(uint8_t* out, const PlaneView& in, const SampleRun& run);
    // Screens count pixels of out with the source at (u, v), then (u + du, v + dv) added one
    // pixel after another, each rounded to the nearest pixel and clamped into the source.
    // screen is the 256 x 256 table S[d][s] in one block; it holds 255 - floor((255 - d) *
    // (255 - s) / 255), which the SIMD forms compute instead of looking it up.
    void (*screenRun)(uint8_t* out, const PlaneView& in, const uint8_t* screen, float u, float v, float du, float dv,
                      int32_t count);
    // Fades count pixels of out to keep / 255, keep being 255 - (256 >> shift) for a shift of 1
    // to 7, and adds the source's bytes shifted right by shift, the source pixel being row row,
    // column x + j * stepX (16.16 fixed point, the additions wrapping in 32 bits) clamped into the
    // source; so in each of rows rows, outPitch bytes apart, which all take the same source row (a
    // picture drawn larger than it is). keepRow is row keep of the 256 x 256 multiply table,
    // floor(keep * d / 255), which the SIMD forms compute instead of looking it up: for that keep
    // it is d - (d >> shift) - (d > 0 ? 1 : 0).
    void (*afterimageRows)(uint8_t* out, intptr_t outPitch, int32_t rows, const PlaneView& in, int32_t row, int32_t x,
                           int32_t stepX, int32_t count, const uint8_t* keepRow, int32_t shift);
    // Tints count pixels of out with the colour, m being half the pixel's weight byte:
    // T[255 - m][d] + T[colour][m] per byte, nothing where m is 0.
    void (*tintSpan)(uint8_t* out, const uint8_t* weights, int32_t count, const TintColour& colour);
    // The same with weight byte x_j >> 16 of weightRow for x_j = x + j * stepX (wrapping in 32
    // bits, clamped into 0..width-1), and at m = 127 the exact half (d >> 1) + (colour >> 1).
    void (*tintScaledRun)(uint8_t* out, const uint8_t* weightRow, int32_t width, int32_t x, int32_t stepX,
                          int32_t count, const TintColour& colour);
    // For every even x below columns, six bytes out[3x..3x+5] become texel / 4 + out / 4 + out / 2,
    // byte by byte, the texel being textureRows[(phase + depths[x]) & 255] at column
    // (phase + angles[x]) & 255 and serving both pixels.
    void (*tunnelRow)(uint8_t* out, const uint8_t* angles, const uint8_t* depths, const uint8_t* const* textureRows,
                      int32_t phase, int32_t columns);
};

const EffectKernels& PlainEffectKernels();

// The widest set this CPU runs, unless PRELO_FORCE_BASELINE=1 keeps the plain one; chosen once.
const EffectKernels& ChosenEffectKernels();

// Every set this build and CPU can run, the plain one first; returns how many were written.
int32_t AvailableEffectKernels(const EffectKernels** out, int32_t max);

// The set to draw from in into out with: the one in use, or the plain one when the two planes
// share memory, since the SIMD forms read a stretch of source before they write.
const EffectKernels& KernelsFor(const PlaneView& out, const PlaneView& in);

// The set the effects draw with: the chosen one, unless a test or benchmark has put another in
// its place (nullptr restores the chosen one). Not for use while another thread draws.
const EffectKernels& EffectKernelsInUse();
void UseEffectKernels(const EffectKernels* set);
