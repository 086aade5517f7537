#pragma once

// The operations of 128-bit vectors that the kernels are written in, for files built with SSE2
// (or wider) flags; in a build without SSE2 the struct only says kBuilt = false, and nothing in a
// kernel written over it is compiled. Built with SSE4.1 (which every AVX2 processor has) it also
// has the byte shuffle and the lane operations that came with SSSE3 and SSE4.1 (kByteShuffle).
//
// Everything here has internal linkage: files built with different flags include it, and an
// inline function the linker could share between them might hand baseline code an instruction
// the processor lacks.
#include <cstdint>

#include "simd/weight_spread.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE4_1__)
#include <smmintrin.h>
#endif

namespace simd {
namespace {

#if defined(__SSE2__)

struct V128 {
    using V = __m128i;
    static constexpr bool kBuilt = true;
    static constexpr const char* kName = "sse2";
    static constexpr int32_t kBytes = 16;
    // What MoveMask8 gives when every byte's top bit is set.
    static constexpr uint32_t kAllBytes = 0xFFFF;
#if defined(__SSE4_1__)
    static constexpr bool kByteShuffle = true;
    // A rounding 16-bit multiply (MulRound16) in one instruction.
    static constexpr bool kMulRound16 = true;
#else
    static constexpr bool kByteShuffle = false;
    static constexpr bool kMulRound16 = false;
#endif
    // A high-half 16-bit multiply in one instruction (vector_rules.h).
    static constexpr bool kMulHigh16 = true;
    // No multiply that widens bytes as it goes (MulWidenLow8 takes two steps).
    static constexpr bool kMulWiden8 = false;
    // The vectors of sixteen bytes a wider set steps its short ends and byte shuffles in.
    using Narrow = V128;

    static V Load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
    static V LoadAligned(const void* p) { return _mm_load_si128(static_cast<const __m128i*>(p)); }
    static void Store(void* p, V v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
    // Past the cache; Fence orders such stores before what follows.
    static void Stream(void* p, V v) { _mm_stream_si128(static_cast<__m128i*>(p), v); }
    static void Fence() { _mm_sfence(); }
    // What a kernel calls before returning to code built with other flags.
    static void Leave() {}

    static V Zero() { return _mm_setzero_si128(); }
    static V Ones() { return _mm_set1_epi8(-1); }
    static V Bytes(int32_t b) { return _mm_set1_epi8(static_cast<char>(b)); }
    static V Lanes16(int32_t v) { return _mm_set1_epi16(static_cast<int16_t>(v)); }
    static V Ints(int32_t v) { return _mm_set1_epi32(v); }

    static V And(V a, V b) { return _mm_and_si128(a, b); }
    static V Or(V a, V b) { return _mm_or_si128(a, b); }
    static V AndNot(V a, V b) { return _mm_andnot_si128(a, b); }
    static V Xor(V a, V b) { return _mm_xor_si128(a, b); }
    // Each byte from chosen where mask's byte is all ones, else from other.
    static V Select(V mask, V chosen, V other) {
#if defined(__SSE4_1__)
        return _mm_blendv_epi8(other, chosen, mask);
#else
        return Or(And(mask, chosen), AndNot(mask, other));
#endif
    }
    static uint32_t MoveMask8(V v) { return static_cast<uint32_t>(_mm_movemask_epi8(v)); }
    static bool AllZero(V v) { return MoveMask8(_mm_cmpeq_epi8(v, Zero())) == kAllBytes; }
    static bool AllSet(V v) { return MoveMask8(_mm_cmpeq_epi8(v, Ones())) == kAllBytes; }

    static V Equal8(V a, V b) { return _mm_cmpeq_epi8(a, b); }
    static V Greater8(V a, V b) { return _mm_cmpgt_epi8(a, b); }
    static V Add8(V a, V b) { return _mm_add_epi8(a, b); }
    static V Sub8(V a, V b) { return _mm_sub_epi8(a, b); }

    static V Add16(V a, V b) { return _mm_add_epi16(a, b); }
    static V Sub16(V a, V b) { return _mm_sub_epi16(a, b); }
    static V MulLo16(V a, V b) { return _mm_mullo_epi16(a, b); }
    static V MulHiU16(V a, V b) { return _mm_mulhi_epu16(a, b); }
    static V Srl16(V v, int32_t n) { return _mm_srli_epi16(v, n); }
    static V Sll16(V v, int32_t n) { return _mm_slli_epi16(v, n); }
    // Bytes 0-7 (Low) or 8-15 (High) as 16-bit lanes; HighBytes puts each byte in its lane's high
    // half (v * 256). Pack saturates lanes back to bytes, the low vector's first.
    static V WidenLow(V v) { return _mm_unpacklo_epi8(v, Zero()); }
    static V WidenHigh(V v) { return _mm_unpackhi_epi8(v, Zero()); }
    // The low or high bytes of a and b widened and multiplied on 16-bit lanes (two steps here).
    static V MulWidenLow8(V a, V b) { return MulLo16(WidenLow(a), WidenLow(b)); }
    static V MulWidenHigh8(V a, V b) { return MulLo16(WidenHigh(a), WidenHigh(b)); }
    static V HighBytesLow(V v) { return _mm_unpacklo_epi8(Zero(), v); }
    static V HighBytesHigh(V v) { return _mm_unpackhi_epi8(Zero(), v); }
    static V Pack(V low, V high) { return _mm_packus_epi16(low, high); }
    static V PackSigned32(V low, V high) { return _mm_packs_epi32(low, high); }

    static V Add32(V a, V b) { return _mm_add_epi32(a, b); }
    static V Sub32(V a, V b) { return _mm_sub_epi32(a, b); }
    static V Equal32(V a, V b) { return _mm_cmpeq_epi32(a, b); }
    template <int32_t kShift>
    static V Sra32(V v) {
        return _mm_srai_epi32(v, kShift);
    }
    static V Times3(V v) { return Add32(Add32(v, v), v); }
    // The low 32 bits of each product.
    static V Mul32(V a, V b) {
#if defined(__SSE4_1__)
        return _mm_mullo_epi32(a, b);
#else
        const V even = _mm_mul_epu32(a, b);
        const V odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), _mm_srli_epi64(b, 32));
        return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                                  _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
#endif
    }
    // Negative lanes become 0, those past last become last.
    static V Clamp(V v, V last) {
        v = AndNot(_mm_cmpgt_epi32(Zero(), v), v);
        return Select(_mm_cmpgt_epi32(v, last), last, v);
    }
    // Four floats (16-byte aligned) rounded to the nearest integers, as cvtss2si rounds them.
    static V Round(const float* p) { return _mm_cvtps_epi32(_mm_load_ps(p)); }

    // Sixteen weights, spread to the 48 colour bytes of their pixels, as the 16-bit lanes of
    // colour bytes 16c to 16c + 7 (low) and 16c + 8 to 16c + 15 (high).
    template <int32_t c>
    static void SpreadLanes(V weights, V& low, V& high) {
#if defined(__SSE4_1__)
        const V spread = SpreadBytes<c>(weights);
        low = WidenLow(spread);
        high = WidenHigh(spread);
#else
        // Without a byte shuffle, word shuffles place weights 0-7 (first) and 8-15 (second): the
        // colour words of four pixels take the patterns kWord0, kWord1 and kWord2.
        const V first = WidenLow(weights);
        const V second = WidenHigh(weights);
        if constexpr (c == 0) {
            low = WordWeights<kWord0, kWord1>(_mm_unpacklo_epi64(first, first));
            high = WordWeights<kWord2, kWord0>(first);
        } else if constexpr (c == 1) {
            low = WordWeights<kWord1, kWord2>(_mm_unpackhi_epi64(first, first));
            high = WordWeights<kWord0, kWord1>(_mm_unpacklo_epi64(second, second));
        } else {
            low = WordWeights<kWord2, kWord0>(second);
            high = WordWeights<kWord1, kWord2>(_mm_unpackhi_epi64(second, second));
        }
#endif
    }
    template <int32_t c>
    static void SpreadLanesFrom(const uint8_t* weights, V& low, V& high) {
        SpreadLanes<c>(Load(weights), low, high);
    }
    // The 32-bit lanes of four group masks (a group being four pixels, twelve colour bytes),
    // spread to the colour bytes of vector c of the groups' 48.
    template <int32_t c>
    static V SpreadGroupMask(V groups) {
        return _mm_shuffle_epi32(groups, c == 0 ? kWord0 : (c == 1 ? kWord1 : kWord2));
    }

#if defined(__SSE4_1__)
    // Byte k of v for an index k below 16, zero for an index with its top bit set; the kernels use
    // no other indices, which x86 and WebAssembly take differently.
    static V Shuffle8(V v, V indices) { return _mm_shuffle_epi8(v, indices); }
    // ((a * b >> 14) + 1) >> 1 on signed 16-bit lanes.
    static V MulRound16(V a, V b) { return _mm_mulhrs_epi16(a, b); }
    static V MinU32(V a, V b) { return _mm_min_epu32(a, b); }
    static V MaxU32(V a, V b) { return _mm_max_epu32(a, b); }
    // Sixteen weights spread to 48 bytes: byte k of spread c takes weight (16c + k) / 3.
    template <int32_t c>
    static V SpreadBytes(V weights) {
        return Shuffle8(weights, LoadAligned(weight_spread::kSixteen.index[c]));
    }
#endif

private:
    // The weight patterns of a group's three colour words: (a0 a0 a0 a1) (a1 a1 a2 a2) (a2 a3 a3 a3).
    static constexpr int kWord0 = _MM_SHUFFLE(1, 0, 0, 0);
    static constexpr int kWord1 = _MM_SHUFFLE(2, 2, 1, 1);
    static constexpr int kWord2 = _MM_SHUFFLE(3, 3, 3, 2);
    template <int kLow, int kHigh>
    static V WordWeights(V lanes) {
        return _mm_shufflehi_epi16(_mm_shufflelo_epi16(lanes, kLow), kHigh);
    }
};

#else

struct V128 {
    static constexpr bool kBuilt = false;
};

#endif

}  // namespace
}  // namespace simd
