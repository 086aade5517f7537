// 128-bit integer SSE2 kernels: sixteen bytes a step for the constant blend, four groups (16
// pixels) a step for the per-pixel one, with weights spread by word shuffles.
#include <emmintrin.h>

#include <cstring>

#include "pixmill/copy_overlap.h"
#include "pixmill/kernel_sets.h"
#include "pixmill/row_layout.h"
#include "pixmill/simd_group_tail.h"

namespace pixmill {

namespace {

// Eight 16-bit lanes of each side blended in SIMD form (the sum never exceeds 254, so the
// 16-bit add equals the saturating byte add). The bytes come unpacked into the high halves of
// the lanes (v · 256), so the high half of each product is (v · w) >> 8 itself: one multiply and
// no shift.
__m128i BlendLanes(__m128i d, __m128i s, __m128i w, __m128i inverse) {
    return _mm_add_epi16(_mm_mulhi_epu16(s, w), _mm_mulhi_epu16(d, inverse));
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
        const __m128i lo = BlendLanes(_mm_unpacklo_epi8(zero, dv), _mm_unpacklo_epi8(zero, sv), w, inverse);
        const __m128i hi = BlendLanes(_mm_unpackhi_epi8(zero, dv), _mm_unpackhi_epi8(zero, sv), w, inverse);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(lo, hi));
    }
    BlendConstBytesSimdForm(d + i, s + i, bytes - i, a);
}

// The three weight patterns of a group's colour words: (a0 a0 a0 a1) (a1 a1 a2 a2) (a2 a3 a3 a3).
constexpr int kWord0 = _MM_SHUFFLE(1, 0, 0, 0);
constexpr int kWord1 = _MM_SHUFFLE(2, 2, 1, 1);
constexpr int kWord2 = _MM_SHUFFLE(3, 3, 3, 2);

template <int Low, int High>
__m128i WordWeights(__m128i alphaLanes) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(alphaLanes, Low), High);
}

// Colour bytes 8h..8h+7 of two groups hold words 2h and 2h + 1; each 8-byte half takes its
// weights from one group's four alphas, placed where pshuflw / pshufhw can reach them.
void TwoGroupWeights(__m128i alphaLanes, __m128i weights[3]) {
    weights[0] = WordWeights<kWord0, kWord1>(_mm_unpacklo_epi64(alphaLanes, alphaLanes));
    weights[1] = WordWeights<kWord2, kWord0>(alphaLanes);
    weights[2] = WordWeights<kWord1, kWord2>(_mm_unpackhi_epi64(alphaLanes, alphaLanes));
}

__m128i Select(__m128i mask, __m128i chosen, __m128i other) {
    return _mm_or_si128(_mm_and_si128(mask, chosen), _mm_andnot_si128(mask, other));
}

// Four groups (16 pixels, 48 colour bytes) a step.
void BlendAlphaQuad(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha));
    const __m128i clear = _mm_cmpeq_epi32(a, zero);
    const __m128i opaque = _mm_cmpeq_epi32(a, _mm_set1_epi32(-1));
    const int clearBits = _mm_movemask_epi8(clear);
    const int opaqueBits = _mm_movemask_epi8(opaque);
    if (clearBits == 0xFFFF) return;
    if (opaqueBits == 0xFFFF) {
        std::memcpy(d, s, 48);
        return;
    }
    __m128i weights[6];
    TwoGroupWeights(_mm_unpacklo_epi8(a, zero), weights);
    TwoGroupWeights(_mm_unpackhi_epi8(a, zero), weights + 3);
    // Colour word 4v + i belongs to group (4v + i) / 3: the same patterns spread the group masks.
    const __m128i clearWords[3] = {_mm_shuffle_epi32(clear, kWord0), _mm_shuffle_epi32(clear, kWord1),
                                   _mm_shuffle_epi32(clear, kWord2)};
    const __m128i opaqueWords[3] = {_mm_shuffle_epi32(opaque, kWord0), _mm_shuffle_epi32(opaque, kWord1),
                                    _mm_shuffle_epi32(opaque, kWord2)};
    const __m128i full = _mm_set1_epi16(255);
    for (int32_t v = 0; v < 3; ++v) {
        __m128i* to = reinterpret_cast<__m128i*>(d + 16 * v);
        const __m128i dv = _mm_loadu_si128(to);
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 16 * v));
        const __m128i wLo = weights[2 * v];
        const __m128i wHi = weights[2 * v + 1];
        const __m128i lo =
            BlendLanes(_mm_unpacklo_epi8(zero, dv), _mm_unpacklo_epi8(zero, sv), wLo, _mm_sub_epi16(full, wLo));
        const __m128i hi =
            BlendLanes(_mm_unpackhi_epi8(zero, dv), _mm_unpackhi_epi8(zero, sv), wHi, _mm_sub_epi16(full, wHi));
        __m128i out = _mm_packus_epi16(lo, hi);
        if ((clearBits | opaqueBits) != 0) {
            out = Select(clearWords[v], dv, out);
            out = Select(opaqueWords[v], sv, out);
        }
        _mm_storeu_si128(to, out);
    }
}

void BlendAlphaGroups(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int32_t groups) {
    int32_t g = 0;
    for (; g + 4 <= groups; g += 4) BlendAlphaQuad(d + 12 * g, s + 12 * g, alpha + 4 * g);
    for (; g < groups; ++g) BlendAlphaGroupSimdForm(d + 12 * g, s + 12 * g, alpha + 4 * g);
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
    if (CopySpansMeet(job)) {
        MoveOverlappingRows(job);
        return;
    }
    const int32_t rowBytes = 3 * job.width;
    const bool streaming = static_cast<int64_t>(rowBytes) * job.height >= kStreamingCopyBytes;
    uint8_t* d = job.dst;
    const uint8_t* s = job.src;
    for (int32_t row = job.height; row > 0; --row, d += job.dstPitch, s += job.srcPitch) {
        if (streaming)
            CopyRowStreaming(d, s, rowBytes);
        else
            CopyRowCached(d, s, rowBytes);
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
