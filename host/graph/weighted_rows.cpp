#include "host/graph/weighted_rows.h"

#include <cstring>

namespace host {
namespace {

constexpr int32_t kChunk = ColorRun::kPixels;

// srcStep is the bytes the source moves per chunk: a whole chunk for a row, 0 for a colour run.
void MixByAlpha(const RowKernels& kernels, uint8_t* dst, const uint8_t* src, size_t srcStep, const uint8_t* alpha,
                int32_t pixels, int32_t level) {
    uint8_t weights[kChunk * 3];
    for (int32_t done = 0; done < pixels; done += kChunk) {
        const int32_t n = pixels - done < kChunk ? pixels - done : kChunk;
        const size_t bytes = static_cast<size_t>(n) * 3;
        switch (kernels.spreadWeights(alpha + done, static_cast<size_t>(n), level, weights)) {
            case Coverage::kClear:
                break;
            case Coverage::kOpaque:
                std::memmove(dst, src, bytes);
                break;
            case Coverage::kMixed:
                kernels.mixWeighted(dst, src, weights, bytes);
                break;
        }
        dst += bytes;
        src += srcStep;
    }
}

}  // namespace

ColorRun::ColorRun(PixelColor color) {
    for (int32_t i = 0; i < kPixels; ++i) std::memcpy(bytes + 3 * i, color.bytes, 3);
}

void MixRowConst(const RowKernels& kernels, uint8_t* dst, const uint8_t* src, int32_t pixels, int32_t weight) {
    const size_t bytes = static_cast<size_t>(pixels) * 3;
    if (weight == 255) {
        std::memmove(dst, src, bytes);
    } else if (weight != 0) {
        kernels.mixConst(dst, src, bytes, weight);
    }
}

void MixRowByAlpha(const RowKernels& kernels, uint8_t* dst, const uint8_t* src, const uint8_t* alpha, int32_t pixels,
                   int32_t level) {
    MixByAlpha(kernels, dst, src, kChunk * 3, alpha, pixels, level);
}

void MixColorByAlpha(const RowKernels& kernels, uint8_t* dst, const ColorRun& color, const uint8_t* alpha,
                     int32_t pixels, int32_t level) {
    MixByAlpha(kernels, dst, color.bytes, 0, alpha, pixels, level);
}

void MixColorConst(const RowKernels& kernels, uint8_t* dst, const ColorRun& color, int32_t pixels, int32_t weight) {
    for (int32_t done = 0; done < pixels; done += kChunk) {
        const int32_t n = pixels - done < kChunk ? pixels - done : kChunk;
        MixRowConst(kernels, dst, color.bytes, n, weight);
        dst += static_cast<size_t>(n) * 3;
    }
}

}  // namespace host
