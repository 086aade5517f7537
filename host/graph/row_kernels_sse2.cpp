// Built with -msse2 and reached only through row_kernel_choice.cpp, after the CPU check.
#include <emmintrin.h>

#include "host/graph/row_kernel_sets.h"

namespace host {
// Everything here has internal linkage and the short ends of rows go to the plain kernels, so no
// inline function compiled with this file's flags can be picked by the linker for other code.
namespace {

// floor(x / 255) for every 16-bit lane x <= 255 * 255: (x * 0x8081) >> 23, exact over that range.
inline __m128i Div255(__m128i x) { return _mm_srli_epi16(_mm_mulhi_epu16(x, _mm_set1_epi16(-32639)), 7); }

inline __m128i Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store(uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Mix on eight 16-bit lanes: floor(d * (255 - w) / 255) + floor(s * w / 255).
inline __m128i MixLanes(__m128i d, __m128i s, __m128i w) {
    const __m128i keep = _mm_sub_epi16(_mm_set1_epi16(255), w);
    return _mm_add_epi16(Div255(_mm_mullo_epi16(d, keep)), Div255(_mm_mullo_epi16(s, w)));
}

void MixConst(uint8_t* dst, const uint8_t* src, size_t n, int32_t weight) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i w = _mm_set1_epi16(static_cast<int16_t>(weight));
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i d = Load(dst + i);
        const __m128i s = Load(src + i);
        const __m128i lo = MixLanes(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), w);
        const __m128i hi = MixLanes(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), w);
        Store(dst + i, _mm_packus_epi16(lo, hi));
    }
    PlainRowKernels().mixConst(dst + i, src + i, n - i, weight);
}

void MixWeighted(uint8_t* dst, const uint8_t* src, const uint8_t* weights, size_t n) {
    const __m128i zero = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i d = Load(dst + i);
        const __m128i s = Load(src + i);
        const __m128i w = Load(weights + i);
        const __m128i lo = MixLanes(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(w, zero));
        const __m128i hi = MixLanes(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(w, zero));
        Store(dst + i, _mm_packus_epi16(lo, hi));
    }
    PlainRowKernels().mixWeighted(dst + i, src + i, weights + i, n - i);
}

void ScaleConst(uint8_t* row, size_t n, int32_t weight) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i w = _mm_set1_epi16(static_cast<int16_t>(weight));
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i d = Load(row + i);
        const __m128i lo = Div255(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), w));
        const __m128i hi = Div255(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), w));
        Store(row + i, _mm_packus_epi16(lo, hi));
    }
    PlainRowKernels().scaleConst(row + i, n - i, weight);
}

// (a * (256 - w) + b * w + 128) >> 8 stays below 65536, so 16-bit lanes hold it unsigned.
inline __m128i LerpLanes(__m128i a, __m128i b, __m128i keep, __m128i w) {
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(a, keep), _mm_mullo_epi16(b, w));
    return _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(128)), 8);
}

void LerpConst(uint8_t* out, const uint8_t* a, const uint8_t* b, size_t n, int32_t weight) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i w = _mm_set1_epi16(static_cast<int16_t>(weight));
    const __m128i keep = _mm_set1_epi16(static_cast<int16_t>(256 - weight));
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i x = Load(a + i);
        const __m128i y = Load(b + i);
        const __m128i lo = LerpLanes(_mm_unpacklo_epi8(x, zero), _mm_unpacklo_epi8(y, zero), keep, w);
        const __m128i hi = LerpLanes(_mm_unpackhi_epi8(x, zero), _mm_unpackhi_epi8(y, zero), keep, w);
        Store(out + i, _mm_packus_epi16(lo, hi));
    }
    PlainRowKernels().lerpConst(out + i, a + i, b + i, n - i, weight);
}

void LerpWeighted(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, size_t n) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i whole = _mm_set1_epi16(256);
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i x = Load(a + i);
        const __m128i y = Load(b + i);
        const __m128i w = Load(weights + i);
        const __m128i wlo = _mm_unpacklo_epi8(w, zero);
        const __m128i whi = _mm_unpackhi_epi8(w, zero);
        const __m128i lo =
            LerpLanes(_mm_unpacklo_epi8(x, zero), _mm_unpacklo_epi8(y, zero), _mm_sub_epi16(whole, wlo), wlo);
        const __m128i hi =
            LerpLanes(_mm_unpackhi_epi8(x, zero), _mm_unpackhi_epi8(y, zero), _mm_sub_epi16(whole, whi), whi);
        Store(out + i, _mm_packus_epi16(lo, hi));
    }
    PlainRowKernels().lerpWeighted(out + i, a + i, b + i, weights + i, n - i);
}

void MixByAlpha(uint8_t* dst, const uint8_t* src, const uint8_t* alpha, size_t pixels, int32_t level) {
    MixByAlphaInChunks(Sse2RowKernelSet(), dst, src, alpha, pixels, level);
}

}  // namespace

// Spreading one byte over three and gathering texels take byte shuffles, which SSE2 lacks: the
// plain loops serve.
const RowKernels& Sse2RowKernelSet() {
    static const RowKernels kernels{"sse2",
                                    MixConst,
                                    MixWeighted,
                                    ScaleConst,
                                    LerpConst,
                                    LerpWeighted,
                                    PlainRowKernels().spreadWeights,
                                    MixByAlpha,
                                    PlainRowKernels().gatherQuads};
    return kernels;
}

}  // namespace host
