#include <cstring>

#include "host/graph/pixel_math.h"
#include "host/graph/row_kernels.h"
#include "simd/byte_rules.h"

namespace host {
namespace {

void MixConst(uint8_t* dst, const uint8_t* src, size_t n, int32_t weight) {
    for (size_t i = 0; i < n; ++i) dst[i] = simd::Mix(dst[i], src[i], weight);
}

void MixWeighted(uint8_t* dst, const uint8_t* src, const uint8_t* weights, size_t n) {
    for (size_t i = 0; i < n; ++i) dst[i] = simd::Mix(dst[i], src[i], weights[i]);
}

void ScaleConst(uint8_t* row, size_t n, int32_t weight) {
    for (size_t i = 0; i < n; ++i) row[i] = simd::Product(row[i], weight);
}

void LerpConst(uint8_t* out, const uint8_t* a, const uint8_t* b, size_t n, int32_t weight) {
    for (size_t i = 0; i < n; ++i) out[i] = Lerp(a[i], b[i], weight);
}

void LerpMixConst(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t n, int32_t lerp, int32_t weight) {
    for (size_t i = 0; i < n; ++i) dst[i] = simd::Mix(dst[i], Lerp(a[i], b[i], lerp), weight);
}

void LerpWeighted(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, size_t n) {
    for (size_t i = 0; i < n; ++i) out[i] = Lerp(a[i], b[i], weights[i]);
}

Coverage SpreadWeights(const uint8_t* alpha, size_t pixels, int32_t level, uint8_t* weights) {
    uint32_t any = 0;
    uint32_t all = 255;
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t w = level == 255 ? alpha[i] : simd::Product(alpha[i], level);
        weights[3 * i] = weights[3 * i + 1] = weights[3 * i + 2] = w;
        any |= w;
        all &= w;
    }
    if (any == 0) return Coverage::kClear;
    return all == 255 ? Coverage::kOpaque : Coverage::kMixed;
}

void GatherQuads(uint8_t* left, uint8_t* right, const uint8_t* sourceRow, const TexelQuad* quads, size_t count) {
    for (size_t q = 0; q < count; ++q) {
        const TexelQuad& quad = quads[q];
        const uint8_t* texels = sourceRow + quad.base;
        const size_t at = 3 * static_cast<size_t>(quad.column);
        for (size_t k = 0; k < 12; ++k) {
            left[at + k] = texels[quad.left[k]];
            right[at + k] = texels[quad.right[k]];
        }
    }
}

void MixByAlpha(uint8_t* dst, const uint8_t* src, const uint8_t* alpha, size_t pixels, int32_t level) {
    MixByAlphaInChunks(PlainRowKernels(), dst, src, alpha, pixels, level);
}

}  // namespace

void MixByAlphaInChunks(const RowKernels& kernels, uint8_t* dst, const uint8_t* src, const uint8_t* alpha,
                        size_t pixels, int32_t level) {
    constexpr size_t kChunk = 32;
    uint8_t weights[kChunk * 3];
    for (size_t done = 0; done < pixels; done += kChunk) {
        const size_t n = pixels - done < kChunk ? pixels - done : kChunk;
        const size_t at = 3 * done;
        switch (kernels.spreadWeights(alpha + done, n, level, weights)) {
            case Coverage::kClear:
                break;
            case Coverage::kOpaque:
                std::memmove(dst + at, src + at, 3 * n);
                break;
            case Coverage::kMixed:
                kernels.mixWeighted(dst + at, src + at, weights, 3 * n);
                break;
        }
    }
}

const RowKernels& PlainRowKernels() {
    static const RowKernels kernels{"plain",      MixConst,     MixWeighted,   ScaleConst, LerpConst,
                                    LerpMixConst, LerpWeighted, SpreadWeights, MixByAlpha, GatherQuads};
    return kernels;
}

}  // namespace host
