#include "host/graph/weighted_rows.h"

#include <cstring>

namespace host {
namespace {

constexpr int32_t kChunk = ColorRun::kPixels;

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
    if (pixels > 0) kernels.mixByAlpha(dst, src, alpha, static_cast<size_t>(pixels), level);
}

void MixColorByAlpha(const RowKernels& kernels, uint8_t* dst, const ColorRun& color, const uint8_t* alpha,
                     int32_t pixels, int32_t level) {
    for (int32_t done = 0; done < pixels; done += kChunk) {
        const int32_t n = pixels - done < kChunk ? pixels - done : kChunk;
        kernels.mixByAlpha(dst + 3 * static_cast<size_t>(done), color.bytes, alpha + done, static_cast<size_t>(n),
                           level);
    }
}

void MixColorConst(const RowKernels& kernels, uint8_t* dst, const ColorRun& color, int32_t pixels, int32_t weight) {
    for (int32_t done = 0; done < pixels; done += kChunk) {
        const int32_t n = pixels - done < kChunk ? pixels - done : kChunk;
        MixRowConst(kernels, dst, color.bytes, n, weight);
        dst += static_cast<size_t>(n) * 3;
    }
}

}  // namespace host
