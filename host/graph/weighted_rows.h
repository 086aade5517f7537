#pragma once

#include <cstdint>

#include "host/graph/pixel_math.h"
#include "host/graph/row_kernels.h"

// Pixel rows drawn through a kernel set: the per-pixel weights spread over each pixel's three
// bytes, runs of clear or opaque pixels skipped or copied, and a colour laid out as a source row.
namespace host {

// One colour repeated over enough bytes to stand in for a source row, chunk by chunk.
struct ColorRun {
    static constexpr int32_t kPixels = 32;
    explicit ColorRun(PixelColor color);
    uint8_t bytes[kPixels * 3];
};

// dst = Mix(dst, src, weight) over pixels; 255 copies, 0 leaves dst alone.
void MixRowConst(const RowKernels& kernels, uint8_t* dst, const uint8_t* src, int32_t pixels, int32_t weight);

// dst = Mix(dst, src, Scale(alpha, level)) pixel by pixel.
void MixRowByAlpha(const RowKernels& kernels, uint8_t* dst, const uint8_t* src, const uint8_t* alpha, int32_t pixels,
                   int32_t level);

// The same for one colour: color.bytes stands in for every chunk of the source.
void MixColorByAlpha(const RowKernels& kernels, uint8_t* dst, const ColorRun& color, const uint8_t* alpha,
                     int32_t pixels, int32_t level);
void MixColorConst(const RowKernels& kernels, uint8_t* dst, const ColorRun& color, int32_t pixels, int32_t weight);

}  // namespace host
