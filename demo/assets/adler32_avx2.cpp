// Adler-32 in 256-bit registers, 32 bytes a step. Over n bytes x_j the sum adds Σ x_j to a and
// n·a + Σ (n − j)·x_j to b; split into blocks of 32, the weight n − j is 32 times the number of
// blocks after the byte's own, plus 32 − (its place in the block). So each step adds the block's
// bytes to a running sum, the running sum as it stood before to a sum of prefixes (the part that
// is multiplied by 32 at the end) and the bytes weighted 32 down to 1 to a third sum.
#include "demo/assets/adler32.h"

#if defined(__AVX2__)
#include <immintrin.h>

#include "demo/assets/adler32_tail.h"

namespace {

// Blocks between reductions: the prefix lanes, the largest, reach 8 · 255 · 511 · 512 / 2 < 2^28,
// far from overflowing 32 bits.
constexpr size_t kChunkBlocks = 512;

uint64_t LaneSum(__m256i v) {
    uint32_t lanes[8];
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes), v);
    uint64_t total = 0;
    for (uint32_t lane : lanes) total += lane;
    return total;
}

uint32_t Adler32Avx2(uint32_t adler, const uint8_t* data, size_t size) {
    uint64_t a = adler & 0xFFFFu;
    uint64_t b = adler >> 16;
    const __m256i zero = _mm256_setzero_si256();
    const __m256i ones = _mm256_set1_epi16(1);
    const __m256i weights = _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14,
                                             13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    while (size >= 32) {
        const size_t blocks = size / 32 < kChunkBlocks ? size / 32 : kChunkBlocks;
        __m256i sums = zero, prefixes = zero, weighted = zero;
        for (size_t k = 0; k < blocks; ++k) {
            const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + 32 * k));
            prefixes = _mm256_add_epi32(prefixes, sums);
            // Each 64-bit lane of the byte sums holds at most 8 · 255 per block, in its low half.
            sums = _mm256_add_epi32(sums, _mm256_sad_epu8(bytes, zero));
            // Two bytes times weights of at most 32 stay far below the 16-bit saturation.
            weighted = _mm256_add_epi32(weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, weights), ones));
        }
        const uint64_t n = 32 * blocks;
        b = (b + n * a + 32 * LaneSum(prefixes) + LaneSum(weighted)) % kAdlerBase;
        a = (a + LaneSum(sums)) % kAdlerBase;
        data += n;
        size -= n;
    }
    _mm256_zeroupper();
    return FinishAdler32(a, b, data, size);
}

constexpr Adler32Form kAvx2 = {"avx2", Adler32Avx2};

}  // namespace

const Adler32Form* Avx2Adler32Form() { return &kAvx2; }

#else

const Adler32Form* Avx2Adler32Form() { return nullptr; }

#endif
