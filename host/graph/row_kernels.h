#pragma once

#include <cstddef>
#include <cstdint>

// The byte loops under every blending slot of Graph, one table per instruction set. Each works
// on n bytes channel by channel (a pixel's three bytes never interact), and every set yields the
// same bytes as the plain one: the integer formulas are Mix and Product (simd/byte_rules.h) and
// Lerp (pixel_math.h), reproduced exactly. Destination and sources may be the same row only when they start at the same
// byte.
namespace host {

// How a run of per-pixel weights came out: all 0, all 255, or anything else.
enum class Coverage { kClear, kOpaque, kMixed };

// Four zoom columns whose left and right texels all lie within sixteen bytes of a source row:
// column + c takes bytes base + left[3c + k] and base + right[3c + k], k = 0..2. Indices 12 to 15
// are 0x80, which a byte shuffle reads as zero.
struct TexelQuad {
    alignas(16) uint8_t left[16];
    alignas(16) uint8_t right[16];
    int32_t base;
    int32_t column;
};

struct RowKernels {
    const char* name;
    // dst[i] = Mix(dst[i], src[i], weight), weight 0..255.
    void (*mixConst)(uint8_t* dst, const uint8_t* src, size_t n, int32_t weight);
    // dst[i] = Mix(dst[i], src[i], weights[i]).
    void (*mixWeighted)(uint8_t* dst, const uint8_t* src, const uint8_t* weights, size_t n);
    // row[i] = Scale(row[i], weight).
    void (*scaleConst)(uint8_t* row, size_t n, int32_t weight);
    // out[i] = (a[i] * (256 - weight) + b[i] * weight + 128) >> 8, weight 0..256.
    void (*lerpConst)(uint8_t* out, const uint8_t* a, const uint8_t* b, size_t n, int32_t weight);
    // dst[i] = Mix(dst[i], the lerp of a[i] and b[i] by lerp, weight): lerpConst, then mixConst
    // from its row, in one pass.
    void (*lerpMixConst)(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t n, int32_t lerp, int32_t weight);
    // The lerp with weights[i] (0..255) for each byte.
    void (*lerpWeighted)(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, size_t n);
    // weights[3i..3i+2] = Scale(alpha[i], level) for i < pixels, and what they came to.
    Coverage (*spreadWeights)(const uint8_t* alpha, size_t pixels, int32_t level, uint8_t* weights);
    // dst[3i..3i+2] = Mix(dst, src, Scale(alpha[i], level)) for i < pixels, runs of weight 0 left
    // alone and runs of 255 copied.
    void (*mixByAlpha)(uint8_t* dst, const uint8_t* src, const uint8_t* alpha, size_t pixels, int32_t level);
    // The twelve left and twelve right texel bytes of each quad, written at 3 * column of left and
    // right, in the order of the quads; each write may take four bytes more, which left and right
    // have room for past their last column. base + 16 never passes the end of sourceRow.
    void (*gatherQuads)(uint8_t* left, uint8_t* right, const uint8_t* sourceRow, const TexelQuad* quads, size_t count);
};

const RowKernels& PlainRowKernels();

// mixByAlpha made of a set's spreadWeights and mixWeighted, a chunk of pixels at a time: the form
// of the sets that have no byte shuffle to spread the weights in registers.
void MixByAlphaInChunks(const RowKernels& kernels, uint8_t* dst, const uint8_t* src, const uint8_t* alpha,
                        size_t pixels, int32_t level);

// The widest set this CPU runs, unless GRAPH_FORCE_BASELINE=1 keeps the plain one; chosen once.
const RowKernels& ChosenRowKernels();

// Every set this build and CPU can run, the plain one first; returns how many were written.
int32_t AvailableRowKernels(const RowKernels** out, int32_t max);

}  // namespace host
