#pragma once

// The operations of 256-bit vectors that the kernels are written in, for files built with AVX2
// flags; in a build without AVX2 the struct only says kBuilt = false, and nothing in a kernel
// written over it is compiled. The same names as V128 (v128.h), so one kernel serves both.
// Internal linkage throughout, as there.
#include <cstdint>

#include "simd/v128.h"
#include "simd/weight_spread.h"

#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace simd {
namespace {

#if defined(__AVX2__)

struct V256 {
    using V = __m256i;
    static constexpr bool kBuilt = true;
    static constexpr const char* kName = "avx2";
    static constexpr int32_t kBytes = 32;
    static constexpr uint32_t kAllBytes = 0xFFFFFFFFu;
    static constexpr bool kByteShuffle = true;
    // A rounding 16-bit multiply (MulRound16) in one instruction.
    static constexpr bool kMulRound16 = true;
    // A high-half 16-bit multiply in one instruction (vector_rules.h).
    static constexpr bool kMulHigh16 = true;
    // No multiply that widens bytes as it goes, as in V128.
    static constexpr bool kMulWiden8 = false;
    using Narrow = V128;

    static V Load(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }
    static V LoadAligned(const void* p) { return _mm256_load_si256(static_cast<const __m256i*>(p)); }
    static void Store(void* p, V v) { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }
    static void Stream(void* p, V v) { _mm256_stream_si256(static_cast<__m256i*>(p), v); }
    static void Fence() { _mm_sfence(); }
    // Code built without AVX flags pays for every SSE instruction while the upper halves are dirty.
    static void Leave() { _mm256_zeroupper(); }

    static V Zero() { return _mm256_setzero_si256(); }
    static V Ones() { return _mm256_set1_epi8(-1); }
    static V Bytes(int32_t b) { return _mm256_set1_epi8(static_cast<char>(b)); }
    static V Lanes16(int32_t v) { return _mm256_set1_epi16(static_cast<int16_t>(v)); }
    static V Ints(int32_t v) { return _mm256_set1_epi32(v); }

    static V And(V a, V b) { return _mm256_and_si256(a, b); }
    static V Or(V a, V b) { return _mm256_or_si256(a, b); }
    static V AndNot(V a, V b) { return _mm256_andnot_si256(a, b); }
    static V Xor(V a, V b) { return _mm256_xor_si256(a, b); }
    static V Select(V mask, V chosen, V other) { return _mm256_blendv_epi8(other, chosen, mask); }
    static uint32_t MoveMask8(V v) { return static_cast<uint32_t>(_mm256_movemask_epi8(v)); }
    static bool AllZero(V v) { return _mm256_testz_si256(v, v) != 0; }
    static bool AllSet(V v) { return MoveMask8(_mm256_cmpeq_epi8(v, Ones())) == kAllBytes; }

    static V Equal8(V a, V b) { return _mm256_cmpeq_epi8(a, b); }
    static V Greater8(V a, V b) { return _mm256_cmpgt_epi8(a, b); }
    static V Add8(V a, V b) { return _mm256_add_epi8(a, b); }
    static V Sub8(V a, V b) { return _mm256_sub_epi8(a, b); }

    static V Add16(V a, V b) { return _mm256_add_epi16(a, b); }
    static V Sub16(V a, V b) { return _mm256_sub_epi16(a, b); }
    static V MulLo16(V a, V b) { return _mm256_mullo_epi16(a, b); }
    static V MulHiU16(V a, V b) { return _mm256_mulhi_epu16(a, b); }
    static V MulRound16(V a, V b) { return _mm256_mulhrs_epi16(a, b); }
    static V Srl16(V v, int32_t n) { return _mm256_srli_epi16(v, n); }
    static V Sll16(V v, int32_t n) { return _mm256_slli_epi16(v, n); }
    // Unpacking and packing both work within 128-bit halves, so bytes come back in place.
    static V WidenLow(V v) { return _mm256_unpacklo_epi8(v, Zero()); }
    static V WidenHigh(V v) { return _mm256_unpackhi_epi8(v, Zero()); }
    static V MulWidenLow8(V a, V b) { return MulLo16(WidenLow(a), WidenLow(b)); }
    static V MulWidenHigh8(V a, V b) { return MulLo16(WidenHigh(a), WidenHigh(b)); }
    static V HighBytesLow(V v) { return _mm256_unpacklo_epi8(Zero(), v); }
    static V HighBytesHigh(V v) { return _mm256_unpackhi_epi8(Zero(), v); }
    static V Pack(V low, V high) { return _mm256_packus_epi16(low, high); }

    static V Add32(V a, V b) { return _mm256_add_epi32(a, b); }
    static V Sub32(V a, V b) { return _mm256_sub_epi32(a, b); }
    static V Equal32(V a, V b) { return _mm256_cmpeq_epi32(a, b); }
    template <int32_t kShift>
    static V Sra32(V v) {
        return _mm256_srai_epi32(v, kShift);
    }
    static V Times3(V v) { return Add32(Add32(v, v), v); }
    static V Mul32(V a, V b) { return _mm256_mullo_epi32(a, b); }
    static V Clamp(V v, V last) { return _mm256_min_epi32(_mm256_max_epi32(v, Zero()), last); }
    static V Round(const float* p) { return _mm256_cvtps_epi32(_mm256_load_ps(p)); }

    // Thirty-two weights, spread to the 96 colour bytes of their pixels, as the 16-bit lanes of
    // colour bytes 32c + 16h to 32c + 16h + 7 (low) and 32c + 16h + 8 to 32c + 16h + 15 (high) of
    // each half h. The byte shuffles work within halves, so each reads the weights' halves that
    // hold its pixels (weight_spread.h).
    template <int32_t c>
    static void SpreadLanes(V weights, V& low, V& high) {
        SpreadHalves<c>(WeightHalves<c>(weights), low, high);
    }
    // The same from memory: the halves come as broadcast loads, which need no register.
    template <int32_t c>
    static void SpreadLanesFrom(const uint8_t* weights, V& low, V& high) {
        if constexpr (c == 1)
            SpreadHalves<c>(Load(weights), low, high);
        else
            SpreadHalves<c>(_mm256_broadcastsi128_si256(V128::Load(weights + 8 * c)), low, high);
    }

private:
    // Weights 0-15 twice, all 32, or 16-31 twice: put together by inserts, not by the cross-lane
    // permute that costs several times as much on some processors.
    template <int32_t c>
    static V WeightHalves(V weights) {
        if constexpr (c == 1) {
            return weights;
        } else {
            const __m128i half = c == 0 ? _mm256_castsi256_si128(weights) : _mm256_extracti128_si256(weights, 1);
            return _mm256_inserti128_si256(_mm256_castsi128_si256(half), half, 1);
        }
    }
    template <int32_t c>
    static void SpreadHalves(V halves, V& low, V& high) {
        low = _mm256_shuffle_epi8(halves, LoadAligned(weight_spread::kTables.low[c]));
        high = _mm256_shuffle_epi8(halves, LoadAligned(weight_spread::kTables.high[c]));
    }
};

#else

struct V256 {
    static constexpr bool kBuilt = false;
};

#endif

}  // namespace
}  // namespace simd
