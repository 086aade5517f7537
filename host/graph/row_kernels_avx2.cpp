// Built with -mavx2 and reached only through row_kernel_choice.cpp, after the CPU and OS check.
#include <immintrin.h>

#include "host/graph/row_kernel_sets.h"
#include "interfaces/weight_spread.h"

namespace host {
// Everything here has internal linkage and the short ends of rows go to the plain kernels, so no
// inline function compiled with this file's flags can be picked by the linker for other code.
namespace {

// floor(x / 255) for every 16-bit lane x <= 255 * 255: (x * 0x8081) >> 23, exact over that range.
inline __m256i Div255(__m256i x) { return _mm256_srli_epi16(_mm256_mulhi_epu16(x, _mm256_set1_epi16(-32639)), 7); }

inline __m256i Load(const uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
inline void Store(uint8_t* p, __m256i v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }

// Mix on sixteen 16-bit lanes: floor(d * (255 - w) / 255) + floor(s * w / 255).
inline __m256i MixLanes(__m256i d, __m256i s, __m256i w) {
    const __m256i keep = _mm256_sub_epi16(_mm256_set1_epi16(255), w);
    return _mm256_add_epi16(Div255(_mm256_mullo_epi16(d, keep)), Div255(_mm256_mullo_epi16(s, w)));
}

void MixConst(uint8_t* dst, const uint8_t* src, size_t n, int32_t weight) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i w = _mm256_set1_epi16(static_cast<int16_t>(weight));
    size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i d = Load(dst + i);
        const __m256i s = Load(src + i);
        const __m256i lo = MixLanes(_mm256_unpacklo_epi8(d, zero), _mm256_unpacklo_epi8(s, zero), w);
        const __m256i hi = MixLanes(_mm256_unpackhi_epi8(d, zero), _mm256_unpackhi_epi8(s, zero), w);
        Store(dst + i, _mm256_packus_epi16(lo, hi));
    }
    PlainRowKernels().mixConst(dst + i, src + i, n - i, weight);
}

void MixWeighted(uint8_t* dst, const uint8_t* src, const uint8_t* weights, size_t n) {
    const __m256i zero = _mm256_setzero_si256();
    size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i d = Load(dst + i);
        const __m256i s = Load(src + i);
        const __m256i w = Load(weights + i);
        const __m256i lo =
            MixLanes(_mm256_unpacklo_epi8(d, zero), _mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(w, zero));
        const __m256i hi =
            MixLanes(_mm256_unpackhi_epi8(d, zero), _mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(w, zero));
        Store(dst + i, _mm256_packus_epi16(lo, hi));
    }
    PlainRowKernels().mixWeighted(dst + i, src + i, weights + i, n - i);
}

void ScaleConst(uint8_t* row, size_t n, int32_t weight) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i w = _mm256_set1_epi16(static_cast<int16_t>(weight));
    size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i d = Load(row + i);
        const __m256i lo = Div255(_mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), w));
        const __m256i hi = Div255(_mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), w));
        Store(row + i, _mm256_packus_epi16(lo, hi));
    }
    PlainRowKernels().scaleConst(row + i, n - i, weight);
}

// (a * (256 - w) + b * w + 128) >> 8 is a + (((b - a) * w + 128) >> 8), 256 * a being a whole
// multiple of 256; pmulhrsw gives ((x * w >> 14) + 1) >> 1, which for x = (b - a) * 128 (within
// 16 bits) is that second term: one multiply where the two-product form takes two.
inline __m256i LerpLanes(__m256i a, __m256i b, __m256i w) {
    return _mm256_add_epi16(a, _mm256_mulhrs_epi16(_mm256_slli_epi16(_mm256_sub_epi16(b, a), 7), w));
}

void LerpConst(uint8_t* out, const uint8_t* a, const uint8_t* b, size_t n, int32_t weight) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i w = _mm256_set1_epi16(static_cast<int16_t>(weight));
    size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i x = Load(a + i);
        const __m256i y = Load(b + i);
        const __m256i lo = LerpLanes(_mm256_unpacklo_epi8(x, zero), _mm256_unpacklo_epi8(y, zero), w);
        const __m256i hi = LerpLanes(_mm256_unpackhi_epi8(x, zero), _mm256_unpackhi_epi8(y, zero), w);
        Store(out + i, _mm256_packus_epi16(lo, hi));
    }
    PlainRowKernels().lerpConst(out + i, a + i, b + i, n - i, weight);
}

// Sixteen weights at a time, in 128-bit registers: Scale(alpha, level) on 16-bit lanes, then each
// byte laid out three times by three byte shuffles.
void LerpWeighted(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, size_t n) {
    const __m256i zero = _mm256_setzero_si256();
    size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i x = Load(a + i);
        const __m256i y = Load(b + i);
        const __m256i w = Load(weights + i);
        const __m256i wlo = _mm256_unpacklo_epi8(w, zero);
        const __m256i whi = _mm256_unpackhi_epi8(w, zero);
        const __m256i lo = LerpLanes(_mm256_unpacklo_epi8(x, zero), _mm256_unpacklo_epi8(y, zero), wlo);
        const __m256i hi = LerpLanes(_mm256_unpackhi_epi8(x, zero), _mm256_unpackhi_epi8(y, zero), whi);
        Store(out + i, _mm256_packus_epi16(lo, hi));
    }
    PlainRowKernels().lerpWeighted(out + i, a + i, b + i, weights + i, n - i);
}

__m128i SixteenTable(int32_t k) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(weight_spread::kSixteen.index[k]));
}

// Scale(alpha, level) for sixteen bytes.
__m128i ScaleAlpha(__m128i alpha, __m128i level) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i magic = _mm_set1_epi16(-32639);
    const __m128i lo = _mm_mullo_epi16(_mm_unpacklo_epi8(alpha, zero), level);
    const __m128i hi = _mm_mullo_epi16(_mm_unpackhi_epi8(alpha, zero), level);
    return _mm_packus_epi16(_mm_srli_epi16(_mm_mulhi_epu16(lo, magic), 7),
                            _mm_srli_epi16(_mm_mulhi_epu16(hi, magic), 7));
}

Coverage SpreadWeights(const uint8_t* alpha, size_t pixels, int32_t level, uint8_t* weights) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i l = _mm_set1_epi16(static_cast<int16_t>(level));
    __m128i any = zero;
    __m128i all = _mm_set1_epi8(-1);
    size_t i = 0;
    for (; i + 16 <= pixels; i += 16) {
        __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha + i));
        if (level != 255) w = ScaleAlpha(w, l);
        any = _mm_or_si128(any, w);
        all = _mm_and_si128(all, w);
        __m128i* out = reinterpret_cast<__m128i*>(weights + 3 * i);
        for (int32_t k = 0; k < 3; ++k) _mm_storeu_si128(out + k, _mm_shuffle_epi8(w, SixteenTable(k)));
    }
    const bool noneSet = _mm_movemask_epi8(_mm_cmpeq_epi8(any, zero)) == 0xFFFF;
    const bool allFull = _mm_movemask_epi8(_mm_cmpeq_epi8(all, _mm_set1_epi8(-1))) == 0xFFFF;
    const Coverage rest = PlainRowKernels().spreadWeights(alpha + i, pixels - i, level, weights + 3 * i);
    if (i == 0) return rest;
    if (i == pixels) return noneSet ? Coverage::kClear : allFull ? Coverage::kOpaque : Coverage::kMixed;
    if (noneSet && rest == Coverage::kClear) return Coverage::kClear;
    if (allFull && rest == Coverage::kOpaque) return Coverage::kOpaque;
    return Coverage::kMixed;
}

using weight_spread::kTables;

__m256i Table(const uint8_t* row) { return _mm256_load_si256(reinterpret_cast<const __m256i*>(row)); }

// Thirty-two pixels a step, the weights spread in registers by byte shuffles instead of through a
// row of spread weights; the halves each shuffle reads are put together by inserts, not by the
// cross-lane permute that costs several times as much on some processors.
void MixByAlpha(uint8_t* dst, const uint8_t* src, const uint8_t* alpha, size_t pixels, int32_t level) {
    const __m256i zero = _mm256_setzero_si256();
    const __m128i level16 = _mm_set1_epi16(static_cast<int16_t>(level));
    size_t i = 0;
    for (; i + 32 <= pixels; i += 32) {
        __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha + i));
        __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha + i + 16));
        if (level != 255) {
            first = ScaleAlpha(first, level16);
            second = ScaleAlpha(second, level16);
        }
        const __m256i weights = _mm256_set_m128i(second, first);
        if (_mm256_testz_si256(weights, weights)) continue;
        uint8_t* d = dst + 3 * i;
        const uint8_t* s = src + 3 * i;
        if (_mm256_movemask_epi8(_mm256_cmpeq_epi8(weights, _mm256_set1_epi8(-1))) == -1) {
            __builtin_memmove(d, s, 96);
            continue;
        }
        const __m256i halves[3] = {_mm256_set_m128i(first, first), weights, _mm256_set_m128i(second, second)};
        for (int32_t c = 0; c < 3; ++c) {
            const __m256i dv = Load(d + 32 * c);
            const __m256i sv = Load(s + 32 * c);
            const __m256i wLo = _mm256_shuffle_epi8(halves[c], Table(kTables.low[c]));
            const __m256i wHi = _mm256_shuffle_epi8(halves[c], Table(kTables.high[c]));
            const __m256i lo = MixLanes(_mm256_unpacklo_epi8(dv, zero), _mm256_unpacklo_epi8(sv, zero), wLo);
            const __m256i hi = MixLanes(_mm256_unpackhi_epi8(dv, zero), _mm256_unpackhi_epi8(sv, zero), wHi);
            Store(d + 32 * c, _mm256_packus_epi16(lo, hi));
        }
    }
    MixByAlphaInChunks(Avx2RowKernelSet(), dst + 3 * i, src + 3 * i, alpha + i, pixels - i, level);
}

// Exactly twelve bytes, so that no store reaches the columns gathered one by one.
void Store12(uint8_t* p, __m128i v) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v);
    const int32_t high = _mm_cvtsi128_si32(_mm_srli_si128(v, 8));
    __builtin_memcpy(p + 8, &high, 4);
}

// One sixteen-byte load and a byte shuffle a side for four columns.
void GatherQuads(uint8_t* left, uint8_t* right, const uint8_t* sourceRow, const TexelQuad* quads, size_t count) {
    for (size_t q = 0; q < count; ++q) {
        const TexelQuad& quad = quads[q];
        const __m128i texels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sourceRow + quad.base));
        const size_t at = 3 * static_cast<size_t>(quad.column);
        Store12(left + at, _mm_shuffle_epi8(texels, _mm_load_si128(reinterpret_cast<const __m128i*>(quad.left))));
        Store12(right + at, _mm_shuffle_epi8(texels, _mm_load_si128(reinterpret_cast<const __m128i*>(quad.right))));
    }
}

}  // namespace

const RowKernels& Avx2RowKernelSet() {
    static const RowKernels kernels{"avx2",       MixConst,      MixWeighted, ScaleConst, LerpConst,
                                    LerpWeighted, SpreadWeights, MixByAlpha,  GatherQuads};
    return kernels;
}

}  // namespace host
