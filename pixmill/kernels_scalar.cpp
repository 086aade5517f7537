// The kernels in plain C++, the baseline where there is no MMX/SSE: the same row layout, the SIMD
// form computed one byte at a time.
#include <cstring>

#include "pixmill/copy_overlap.h"
#include "pixmill/kernel_sets.h"
#include "pixmill/row_layout.h"
#include "pixmill/simd_group_tail.h"

namespace pixmill {

namespace {

void BlendConstGroups(uint8_t* d, const uint8_t* s, int32_t groups, uint32_t a) {
    BlendConstBytesSimdForm(d, s, 12 * groups, a);
}

void BlendAlphaGroups(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int32_t groups) {
    for (int32_t g = 0; g < groups; ++g) BlendAlphaGroupSimdForm(d + 12 * g, s + 12 * g, alpha + 4 * g);
}

void ScalarCopy(const PixelJob& job) {
    CopyRows(job, [](uint8_t* d, const uint8_t* s, int32_t bytes) { std::memcpy(d, s, static_cast<size_t>(bytes)); });
}

void ScalarBlendConst(const uint8_t* const* table, const PixelJob& job, uint32_t alpha) {
    BlendConstRows(table, job, alpha & 255u, BlendConstGroups);
}

void ScalarBlendAlpha(const uint8_t* const* table, const PixelJob& job) {
    BlendAlphaRows(table, job, BlendAlphaGroups);
}

constexpr KernelSet kScalar = {"scalar", ScalarCopy, ScalarBlendConst, ScalarBlendAlpha};

}  // namespace

const KernelSet* ScalarKernelSet() { return &kScalar; }

}  // namespace pixmill
