// Eight pixels a step with 128-bit integer SSE2: two groups side by side in one register.
#include <emmintrin.h>

#include <cstring>

#include "pixmill/kernel_sets.h"
#include "pixmill/row_layout.h"
#include "pixmill/simd_group_tail.h"

namespace pixmill {

namespace {

__m128i Load32(const uint8_t* p) {
    int v;
    std::memcpy(&v, p, 4);
    return _mm_cvtsi32_si128(v);
}

void Store32(uint8_t* p, __m128i v) {
    const int word = _mm_cvtsi128_si32(v);
    std::memcpy(p, &word, 4);
}

// Eight 16-bit lanes of each side blended in SIMD form (the sum never exceeds 254, so the
// 16-bit add equals the saturating byte add).
__m128i BlendLanes(__m128i d, __m128i s, __m128i w, __m128i inverse) {
    return _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(s, w), 8), _mm_srli_epi16(_mm_mullo_epi16(d, inverse), 8));
}

void BlendConstGroups(uint8_t* d, const uint8_t* s, int32_t groups, uint32_t a) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i w = _mm_set1_epi16(static_cast<short>(a));
    const __m128i inverse = _mm_set1_epi16(static_cast<short>(255 - a));
    const int32_t bytes = 12 * groups;
    int32_t i = 0;
    for (; i + 16 <= bytes; i += 16) {
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i lo = BlendLanes(_mm_unpacklo_epi8(dv, zero), _mm_unpacklo_epi8(sv, zero), w, inverse);
        const __m128i hi = BlendLanes(_mm_unpackhi_epi8(dv, zero), _mm_unpackhi_epi8(sv, zero), w, inverse);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(lo, hi));
    }
    BlendConstBytesSimdForm(d + i, s + i, bytes - i, a);
}

// Word j of two neighbouring groups (bytes 4j and 12 + 4j) as eight 16-bit lanes.
__m128i LoadWordPair(const uint8_t* p, int32_t j) {
    return _mm_unpacklo_epi8(_mm_unpacklo_epi32(Load32(p + 4 * j), Load32(p + 12 + 4 * j)), _mm_setzero_si128());
}

template <int Order>
__m128i PairWeights(__m128i alphaLanes) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(alphaLanes, Order), Order);
}

void BlendAlphaGroupPair(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
    uint32_t words[2];
    std::memcpy(words, alpha, 8);
    const bool plain0 = words[0] == 0 || words[0] == 0xFFFFFFFFu;
    const bool plain1 = words[1] == 0 || words[1] == 0xFFFFFFFFu;
    if (plain0 && plain1) {
        BlendAlphaGroupSimdForm(d, s, alpha);
        BlendAlphaGroupSimdForm(d + 12, s + 12, alpha + 4);
        return;
    }
    const __m128i opaque = _mm_set1_epi16(255);
    const __m128i alphaLanes = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(alpha)),
                                                 _mm_setzero_si128());
    // Per word, the weights (a0 a0 a0 a1) (a1 a1 a2 a2) (a2 a3 a3 a3) of each group.
    const __m128i weights[3] = {PairWeights<_MM_SHUFFLE(1, 0, 0, 0)>(alphaLanes),
                                PairWeights<_MM_SHUFFLE(2, 2, 1, 1)>(alphaLanes),
                                PairWeights<_MM_SHUFFLE(3, 3, 3, 2)>(alphaLanes)};
    __m128i blended[3];
    for (int32_t j = 0; j < 3; ++j) {
        const __m128i lanes =
            BlendLanes(LoadWordPair(d, j), LoadWordPair(s, j), weights[j], _mm_sub_epi16(opaque, weights[j]));
        blended[j] = _mm_packus_epi16(lanes, lanes);
    }
    for (int32_t g = 0; g < 2; ++g) {
        if (g == 0 ? plain0 : plain1) {
            BlendAlphaGroupSimdForm(d + 12 * g, s + 12 * g, alpha + 4 * g);
            continue;
        }
        for (int32_t j = 0; j < 3; ++j) Store32(d + 12 * g + 4 * j, g == 0 ? blended[j] : _mm_srli_epi64(blended[j], 32));
    }
}

void BlendAlphaGroups(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int32_t groups) {
    int32_t g = 0;
    for (; g + 2 <= groups; g += 2) BlendAlphaGroupPair(d + 12 * g, s + 12 * g, alpha + 4 * g);
    if (g < groups) BlendAlphaGroupSimdForm(d + 12 * g, s + 12 * g, alpha + 4 * g);
}

void CopyRowCached(uint8_t* d, const uint8_t* s, int32_t bytes) {
    int32_t i = 0;
    for (; i + 64 <= bytes; i += 64) {
        const __m128i* from = reinterpret_cast<const __m128i*>(s + i);
        __m128i* to = reinterpret_cast<__m128i*>(d + i);
        const __m128i v0 = _mm_loadu_si128(from), v1 = _mm_loadu_si128(from + 1);
        const __m128i v2 = _mm_loadu_si128(from + 2), v3 = _mm_loadu_si128(from + 3);
        _mm_storeu_si128(to, v0);
        _mm_storeu_si128(to + 1, v1);
        _mm_storeu_si128(to + 2, v2);
        _mm_storeu_si128(to + 3, v3);
    }
    for (; i + 16 <= bytes; i += 16)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
    std::memcpy(d + i, s + i, static_cast<size_t>(bytes - i));
}

// Aligns each row's destination on its own, so every block can be streamed whatever the pitch.
void CopyRowStreaming(uint8_t* d, const uint8_t* s, int32_t bytes) {
    int32_t lead = static_cast<int32_t>((16 - (reinterpret_cast<uintptr_t>(d) & 15)) & 15);
    if (lead > bytes) lead = bytes;
    std::memcpy(d, s, static_cast<size_t>(lead));
    int32_t i = lead;
    for (; i + 16 <= bytes; i += 16)
        _mm_stream_si128(reinterpret_cast<__m128i*>(d + i), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
    std::memcpy(d + i, s + i, static_cast<size_t>(bytes - i));
}

void Sse2Copy(const PixelJob& job) {
    const int32_t rowBytes = 3 * job.width;
    const bool streaming = static_cast<int64_t>(rowBytes) * job.height >= kStreamingCopyBytes;
    uint8_t* d = job.dst;
    const uint8_t* s = job.src;
    for (int32_t row = job.height; row > 0; --row, d += job.dstPitch, s += job.srcPitch) {
        if (streaming) CopyRowStreaming(d, s, rowBytes);
        else CopyRowCached(d, s, rowBytes);
    }
    if (streaming) _mm_sfence();
}

void Sse2BlendConst(const uint8_t* const* table, const PixelJob& job, uint32_t alpha) {
    BlendConstRows(table, job, alpha & 255u, BlendConstGroups);
}

void Sse2BlendAlpha(const uint8_t* const* table, const PixelJob& job) { BlendAlphaRows(table, job, BlendAlphaGroups); }

constexpr KernelSet kSse2 = {"sse2", Sse2Copy, Sse2BlendConst, Sse2BlendAlpha};

}  // namespace

const KernelSet& Sse2KernelSet() { return kSse2; }

}  // namespace pixmill
