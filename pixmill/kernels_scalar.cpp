// The kernels in plain C++, the baseline where there is no MMX/SSE: the same row layout, the SIMD form
// computed one byte at a time.
#include <cstring>

#include "pixmill/copy_overlap.h"
#include "pixmill/kernel_sets.h"
#include "pixmill/row_layout.h"

namespace pixmill {

namespace {

void BlendConstGroups(uint8_t* d, const uint8_t* s, int32_t groups, uint32_t a) {
    for (int32_t i = 0; i < 12 * groups; ++i) d[i] = SimdBlendByte(a, d[i], s[i]);
}

void BlendAlphaGroups(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int32_t groups) {
    for (int32_t g = 0; g < groups; ++g, d += 12, s += 12, alpha += 4) {
        uint32_t word;
        std::memcpy(&word, alpha, 4);
        if (word == 0) continue;
        if (word == 0xFFFFFFFFu) {
            std::memcpy(d, s, 12);
            continue;
        }
        for (int32_t i = 0; i < 12; ++i) d[i] = SimdBlendByte(alpha[i / 3], d[i], s[i]);
    }
}

void ScalarCopy(const PixelJob& job) {
    if (CopySpansMeet(job)) {
        MoveOverlappingRows(job);
        return;
    }
    uint8_t* d = job.dst;
    const uint8_t* s = job.src;
    for (int32_t row = job.height; row > 0; --row, d += job.dstPitch, s += job.srcPitch)
        std::memcpy(d, s, 3 * static_cast<size_t>(job.width));
}

void ScalarBlendConst(const uint8_t* const* table, const PixelJob& job, uint32_t alpha) {
    BlendConstRows(table, job, alpha & 255u, BlendConstGroups);
}

void ScalarBlendAlpha(const uint8_t* const* table, const PixelJob& job) {
    BlendAlphaRows(table, job, BlendAlphaGroups);
}

constexpr KernelSet kScalar = {"scalar", ScalarCopy, ScalarBlendConst, ScalarBlendAlpha};

}  // namespace

const KernelSet& ScalarKernelSet() { return kScalar; }

}  // namespace pixmill
