// Built with -mavx2 and reached only through effect_kernel_choice.cpp, after the CPU and OS check.
#include <immintrin.h>

#include "demo/effects/effect_kernel_sets.h"
#include "demo/effects/effect_kernels_simd.h"
#include "interfaces/weight_spread.h"

namespace {

struct Avx2 {
    using V = __m256i;
    static constexpr int32_t kBytes = 32;
    static constexpr bool kByteShuffle = true;

    static V Load(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }
    static void Store(void* p, V v) { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }
    static V LoadInts(const int32_t* p) { return Load(p); }
    static void StoreInts(int32_t* p, V v) { Store(p, v); }
    static V Bytes(int32_t b) { return _mm256_set1_epi8(static_cast<char>(b)); }
    static V Ints(int32_t v) { return _mm256_set1_epi32(v); }
    static V And(V a, V b) { return _mm256_and_si256(a, b); }
    static V Or(V a, V b) { return _mm256_or_si256(a, b); }
    static V AndNot(V a, V b) { return _mm256_andnot_si256(a, b); }
    static V Xor(V a, V b) { return _mm256_xor_si256(a, b); }
    static V Equal8(V a, V b) { return _mm256_cmpeq_epi8(a, b); }
    static V Add8(V a, V b) { return _mm256_add_epi8(a, b); }
    static V Srl16(V v, int32_t n) { return _mm256_srli_epi16(v, n); }
    static V Add32(V a, V b) { return _mm256_add_epi32(a, b); }
    template <int32_t kShift>
    static V Sra(V v) {
        return _mm256_srai_epi32(v, kShift);
    }
    static V Times3(V v) { return _mm256_add_epi32(_mm256_add_epi32(v, v), v); }
    static V Round(const float* p) { return _mm256_cvtps_epi32(_mm256_load_ps(p)); }
    static V Clamp(V v, V last) { return _mm256_min_epi32(_mm256_max_epi32(v, _mm256_setzero_si256()), last); }
    static V Mul32(V a, V b) { return _mm256_mullo_epi32(a, b); }

    // The pixels at offsets[0..3] into stage[0..11] by one load and a byte shuffle, if each lies 0
    // to 13 bytes past the first, so all within sixteen; sixteen bytes are stored.
    static bool GatherQuad(uint8_t* stage, const uint8_t* base, const int32_t* offsets) {
        const __m128i at = _mm_loadu_si128(reinterpret_cast<const __m128i*>(offsets));
        const __m128i past = _mm_sub_epi32(at, _mm_set1_epi32(offsets[0]));
        // As unsigned numbers, so that a pixel before the first fails too.
        const __m128i near = _mm_cmpeq_epi32(_mm_min_epu32(past, _mm_set1_epi32(13)), past);
        if (_mm_movemask_epi8(near) != 0xFFFF) return false;
        const __m128i lowBytes = _mm_setr_epi8(0, 0, 0, 4, 4, 4, 8, 8, 8, 12, 12, 12, -128, -128, -128, -128);
        const __m128i channels = _mm_setr_epi8(0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, -128, -128, -128, -128);
        const __m128i control = _mm_add_epi8(_mm_shuffle_epi8(past, lowBytes), channels);
        const __m128i texels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + offsets[0]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(stage), _mm_shuffle_epi8(texels, control));
        return true;
    }

    // spread[3j..3j+2] = weights[offsets[j]] >> 1 for j < 16, if each offset lies 0 to 31 past the
    // first: two loads and two byte shuffles gather the sixteen weights (a shuffle index with its
    // top bit set gives zero, so each takes the bytes of its own half), three more spread them.
    static bool SpreadHalfWeights16(uint8_t* spread, const uint8_t* weights, const int32_t* offsets) {
        const __m128i first = _mm_set1_epi32(offsets[0]);
        __m128i past[4];
        for (int32_t q = 0; q < 4; ++q)
            past[q] = _mm_sub_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(offsets + 4 * q)), first);
        // As unsigned numbers, so that an offset before the first fails too.
        const __m128i farthest = _mm_max_epu32(_mm_max_epu32(past[0], past[1]), _mm_max_epu32(past[2], past[3]));
        const __m128i last = _mm_set1_epi32(31);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_min_epu32(farthest, last), farthest)) != 0xFFFF) return false;
        const __m128i index = _mm_packus_epi16(_mm_packs_epi32(past[0], past[1]), _mm_packs_epi32(past[2], past[3]));
        const __m128i inHigh = _mm_cmpgt_epi8(index, _mm_set1_epi8(15));
        const uint8_t* from = weights + offsets[0];
        const __m128i low =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)), _mm_or_si128(index, inHigh));
        const __m128i high = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16)),
                                              _mm_or_si128(index, _mm_xor_si128(inHigh, _mm_set1_epi8(-1))));
        const __m128i halves = _mm_and_si128(_mm_srli_epi16(_mm_or_si128(low, high), 1), _mm_set1_epi8(0x7F));
        for (int32_t k = 0; k < 3; ++k) {
            const __m128i spreadK = _mm_load_si128(reinterpret_cast<const __m128i*>(weight_spread::kSixteen.index[k]));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(spread + 16 * k), _mm_shuffle_epi8(halves, spreadK));
        }
        return true;
    }

    // floor(a * b / 255) per byte; floor(x / 255) = (x * 0x8081) >> 23 for x <= 255 * 255.
    static V Product(V a, V b) {
        const V zero = _mm256_setzero_si256();
        const V magic = _mm256_set1_epi16(-32639);
        const V lo = _mm256_mullo_epi16(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero));
        const V hi = _mm256_mullo_epi16(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero));
        return _mm256_packus_epi16(_mm256_srli_epi16(_mm256_mulhi_epu16(lo, magic), 7),
                                   _mm256_srli_epi16(_mm256_mulhi_epu16(hi, magic), 7));
    }

    // floor(d * k / 255) per byte, k 0..255.
    static V Scale(V d, int32_t k) {
        const V zero = _mm256_setzero_si256();
        const V weight = _mm256_set1_epi16(static_cast<int16_t>(k));
        const V magic = _mm256_set1_epi16(-32639);
        const V lo = _mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), weight);
        const V hi = _mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), weight);
        return _mm256_packus_epi16(_mm256_srli_epi16(_mm256_mulhi_epu16(lo, magic), 7),
                                   _mm256_srli_epi16(_mm256_mulhi_epu16(hi, magic), 7));
    }

    // 255 - floor((255 - d) * (255 - s) / 255) per byte; floor(x / 255) = (x * 0x8081) >> 23 for
    // x <= 255 * 255. Unpacking and packing both work within 128-bit halves, so bytes keep place.
    static V Screen(V d, V s) {
        const V zero = _mm256_setzero_si256();
        const V ones = _mm256_set1_epi8(-1);
        const V a = _mm256_xor_si256(d, ones);
        const V b = _mm256_xor_si256(s, ones);
        const V magic = _mm256_set1_epi16(-32639);
        const V lo = _mm256_mullo_epi16(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero));
        const V hi = _mm256_mullo_epi16(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero));
        const V q = _mm256_packus_epi16(_mm256_srli_epi16(_mm256_mulhi_epu16(lo, magic), 7),
                                        _mm256_srli_epi16(_mm256_mulhi_epu16(hi, magic), 7));
        return _mm256_xor_si256(q, ones);
    }
};

constexpr EffectKernels kAvx2 = Simd<Avx2>::Table("avx2");

}  // namespace

const EffectKernels& Avx2EffectKernelSet() { return kAvx2; }
