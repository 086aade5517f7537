// Built with -msse2 and reached only through effect_kernel_choice.cpp, after the CPU check.
#include <emmintrin.h>

#include "demo/effects/effect_kernel_sets.h"
#include "demo/effects/effect_kernels_simd.h"

namespace {

struct Sse2 {
    using V = __m128i;
    static constexpr int32_t kBytes = 16;
    // No byte shuffle: samples are gathered one by one.
    static constexpr bool kByteShuffle = false;

    static V Load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
    static void Store(void* p, V v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
    static V LoadInts(const int32_t* p) { return Load(p); }
    static void StoreInts(int32_t* p, V v) { Store(p, v); }
    static V Bytes(int32_t b) { return _mm_set1_epi8(static_cast<char>(b)); }
    static V Ints(int32_t v) { return _mm_set1_epi32(v); }
    static V And(V a, V b) { return _mm_and_si128(a, b); }
    static V Or(V a, V b) { return _mm_or_si128(a, b); }
    static V AndNot(V a, V b) { return _mm_andnot_si128(a, b); }
    static V Xor(V a, V b) { return _mm_xor_si128(a, b); }
    static V Equal8(V a, V b) { return _mm_cmpeq_epi8(a, b); }
    static V Add8(V a, V b) { return _mm_add_epi8(a, b); }
    static V Srl16(V v, int32_t n) { return _mm_srli_epi16(v, n); }
    static V Add32(V a, V b) { return _mm_add_epi32(a, b); }
    template <int32_t kShift>
    static V Sra(V v) {
        return _mm_srai_epi32(v, kShift);
    }
    static V Times3(V v) { return _mm_add_epi32(_mm_add_epi32(v, v), v); }
    static V Round(const float* p) { return _mm_cvtps_epi32(_mm_load_ps(p)); }

    // Negative indices become 0, those past last become last.
    static V Clamp(V v, V last) {
        v = _mm_andnot_si128(_mm_cmpgt_epi32(_mm_setzero_si128(), v), v);
        const V over = _mm_cmpgt_epi32(v, last);
        return _mm_or_si128(_mm_and_si128(over, last), _mm_andnot_si128(over, v));
    }

    // The low 32 bits of each product, from the 64-bit products of the even and the odd lanes.
    static V Mul32(V a, V b) {
        const V even = _mm_mul_epu32(a, b);
        const V odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), _mm_srli_epi64(b, 32));
        return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                                  _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
    }

    // floor(a * b / 255) per byte; floor(x / 255) = (x * 0x8081) >> 23 for x <= 255 * 255.
    static V Product(V a, V b) {
        const V zero = _mm_setzero_si128();
        const V magic = _mm_set1_epi16(-32639);
        const V lo = _mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero));
        const V hi = _mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero));
        return _mm_packus_epi16(_mm_srli_epi16(_mm_mulhi_epu16(lo, magic), 7),
                                _mm_srli_epi16(_mm_mulhi_epu16(hi, magic), 7));
    }

    // floor(d * k / 255) per byte, k 0..255.
    static V Scale(V d, int32_t k) {
        const V zero = _mm_setzero_si128();
        const V weight = _mm_set1_epi16(static_cast<int16_t>(k));
        const V magic = _mm_set1_epi16(-32639);
        const V lo = _mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), weight);
        const V hi = _mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), weight);
        return _mm_packus_epi16(_mm_srli_epi16(_mm_mulhi_epu16(lo, magic), 7),
                                _mm_srli_epi16(_mm_mulhi_epu16(hi, magic), 7));
    }

    // 255 - floor((255 - d) * (255 - s) / 255) per byte; floor(x / 255) = (x * 0x8081) >> 23 for
    // x <= 255 * 255.
    static V Screen(V d, V s) {
        const V zero = _mm_setzero_si128();
        const V ones = _mm_set1_epi8(-1);
        const V a = _mm_xor_si128(d, ones);
        const V b = _mm_xor_si128(s, ones);
        const V magic = _mm_set1_epi16(-32639);
        const V lo = _mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero));
        const V hi = _mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero));
        const V q = _mm_packus_epi16(_mm_srli_epi16(_mm_mulhi_epu16(lo, magic), 7),
                                     _mm_srli_epi16(_mm_mulhi_epu16(hi, magic), 7));
        return _mm_xor_si128(q, ones);
    }
};

constexpr EffectKernels kSse2 = Simd<Sse2>::Table("sse2");

}  // namespace

const EffectKernels& Sse2EffectKernelSet() { return kSse2; }
