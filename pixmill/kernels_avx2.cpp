// 256-bit AVX2 kernels: the per-pixel weights are spread to colour bytes with byte shuffles,
// eight groups (32 pixels) a step, then four, then one.
#include <immintrin.h>

#include <cstring>

#include "interfaces/weight_spread.h"
#include "pixmill/copy_overlap.h"
#include "pixmill/kernel_sets.h"
#include "pixmill/row_layout.h"
#include "pixmill/simd_group_tail.h"

namespace pixmill {

namespace {

__m128i LoadU(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void StoreU(uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Sixteen bytes blended in SIMD form with sixteen byte weights; the sum never exceeds 254, so
// the 16-bit add equals the saturating byte add.
__m128i Blend16(__m128i d, __m128i s, __m128i weights) {
    const __m256i w = _mm256_cvtepu8_epi16(weights);
    const __m256i inverse = _mm256_sub_epi16(_mm256_set1_epi16(255), w);
    const __m256i fromSource = _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_cvtepu8_epi16(s), w), 8);
    const __m256i fromDest = _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_cvtepu8_epi16(d), inverse), 8);
    const __m256i sum = _mm256_add_epi16(fromSource, fromDest);
    return _mm_packus_epi16(_mm256_castsi256_si128(sum), _mm256_extracti128_si256(sum, 1));
}

// (v · w) >> 8 for bytes v unpacked into the high halves of 16-bit lanes (v · 256): the high
// half of the product is then the shifted product itself, one multiply and no shift.
__m256i ScaledHigh(__m256i highBytes, __m256i w) { return _mm256_mulhi_epu16(highBytes, w); }

void BlendConstGroups(uint8_t* d, const uint8_t* s, int32_t groups, uint32_t a) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i w = _mm256_set1_epi16(static_cast<short>(a));
    const __m256i inverse = _mm256_set1_epi16(static_cast<short>(255 - a));
    const int32_t bytes = 12 * groups;
    int32_t i = 0;
    // Unpacking and packing both work within 128-bit halves, so byte order comes back intact.
    for (; i + 32 <= bytes; i += 32) {
        const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
        const __m256i lo = _mm256_add_epi16(ScaledHigh(_mm256_unpacklo_epi8(zero, sv), w),
                                            ScaledHigh(_mm256_unpacklo_epi8(zero, dv), inverse));
        const __m256i hi = _mm256_add_epi16(ScaledHigh(_mm256_unpackhi_epi8(zero, sv), w),
                                            ScaledHigh(_mm256_unpackhi_epi8(zero, dv), inverse));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_packus_epi16(lo, hi));
    }
    if (i + 16 <= bytes) {
        StoreU(d + i, Blend16(LoadU(d + i), LoadU(s + i), _mm_set1_epi8(static_cast<char>(a))));
        i += 16;
    }
    BlendConstBytesSimdForm(d + i, s + i, bytes - i, a);
}

// Thirty-two bytes blended in SIMD form, the weights of bytes 0-7 and 8-15 of each 128-bit half
// given in 16-bit lanes. Unpacking and packing both work within 128-bit halves, so byte order
// comes back intact.
__m256i Blend32(__m256i d, __m256i s, __m256i wLo, __m256i wHi) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i opaque = _mm256_set1_epi16(255);
    const __m256i lo = _mm256_add_epi16(ScaledHigh(_mm256_unpacklo_epi8(zero, s), wLo),
                                        ScaledHigh(_mm256_unpacklo_epi8(zero, d), _mm256_sub_epi16(opaque, wLo)));
    const __m256i hi = _mm256_add_epi16(ScaledHigh(_mm256_unpackhi_epi8(zero, s), wHi),
                                        ScaledHigh(_mm256_unpackhi_epi8(zero, d), _mm256_sub_epi16(opaque, wHi)));
    return _mm256_packus_epi16(lo, hi);
}

using weight_spread::kTables;

__m256i Table(const uint8_t* row) { return _mm256_load_si256(reinterpret_cast<const __m256i*>(row)); }

// The alpha halves that vector c's shuffle reads (low/low, low/high, high/high), loaded as
// broadcasts: a cross-lane permute costs several times as much on some processors.
template <int32_t c>
__m256i LoadAlphaHalves(const uint8_t* alpha) {
    if constexpr (c == 1)
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(alpha));
    else
        return _mm256_broadcastsi128_si256(LoadU(alpha + 8 * c));
}

// Sixteen pixels (48 colour bytes), their alphas in one 128-bit register.
void BlendAlphaQuad(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
    const __m128i a = LoadU(alpha);
    // One 32-bit lane per group: all-clear groups keep the destination, all-opaque ones copy.
    const __m128i clear = _mm_cmpeq_epi32(a, _mm_setzero_si128());
    const __m128i opaque = _mm_cmpeq_epi32(a, _mm_set1_epi32(-1));
    const int clearBits = _mm_movemask_epi8(clear);
    const int opaqueBits = _mm_movemask_epi8(opaque);
    if (clearBits == 0xFFFF) return;
    if (opaqueBits == 0xFFFF) {
        std::memcpy(d, s, 48);
        return;
    }
    for (int32_t c = 0; c < 3; ++c) {
        const __m128i spread = _mm_load_si128(reinterpret_cast<const __m128i*>(weight_spread::kSixteen.index[c]));
        const __m128i dv = LoadU(d + 16 * c);
        const __m128i sv = LoadU(s + 16 * c);
        __m128i out = Blend16(dv, sv, _mm_shuffle_epi8(a, spread));
        if ((clearBits | opaqueBits) != 0) {
            out = _mm_blendv_epi8(out, dv, _mm_shuffle_epi8(clear, spread));
            out = _mm_blendv_epi8(out, sv, _mm_shuffle_epi8(opaque, spread));
        }
        StoreU(d + 16 * c, out);
    }
}

// Vector c of an octet, which loads its own alpha halves: the step holds no more than the 32-bit
// build's eight vector registers, so nothing is spilled to the stack (an array of the three halves
// indexed by a loop was).
template <int32_t c>
inline void BlendAlphaVector(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
    const __m256i halves = LoadAlphaHalves<c>(alpha);
    __m256i* to = reinterpret_cast<__m256i*>(d + 32 * c);
    const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + 32 * c));
    _mm256_storeu_si256(to, Blend32(_mm256_loadu_si256(to), sv, _mm256_shuffle_epi8(halves, Table(kTables.low[c])),
                                    _mm256_shuffle_epi8(halves, Table(kTables.high[c]))));
}

void BlendAlphaOctet(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
    const __m256i all = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(alpha));
    // One 32-bit lane per group: all-clear groups keep the destination, all-opaque ones copy.
    const uint32_t clearBits =
        static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi32(all, _mm256_setzero_si256())));
    const uint32_t opaqueBits =
        static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi32(all, _mm256_set1_epi32(-1))));
    if (clearBits == 0xFFFFFFFFu) return;
    if (opaqueBits == 0xFFFFFFFFu) {
        std::memcpy(d, s, 96);
        return;
    }
    // Octets mixing shortcut groups with blended ones are rare (an edge of a mask): the quads
    // take them, which keeps the octet's own step within the 32-bit build's eight registers.
    if ((clearBits | opaqueBits) != 0) {
        BlendAlphaQuad(d, s, alpha);
        BlendAlphaQuad(d + 48, s + 48, alpha + 16);
        return;
    }
    BlendAlphaVector<0>(d, s, alpha);
    BlendAlphaVector<1>(d, s, alpha);
    BlendAlphaVector<2>(d, s, alpha);
}

void BlendAlphaGroups(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int32_t groups) {
    int32_t g = 0;
    for (; g + 8 <= groups; g += 8) BlendAlphaOctet(d + 12 * g, s + 12 * g, alpha + 4 * g);
    for (; g + 4 <= groups; g += 4) BlendAlphaQuad(d + 12 * g, s + 12 * g, alpha + 4 * g);
    for (; g < groups; ++g) BlendAlphaGroupSimdForm(d + 12 * g, s + 12 * g, alpha + 4 * g);
}

void CopyRowCached(uint8_t* d, const uint8_t* s, int32_t bytes) {
    int32_t i = 0;
    for (; i + 64 <= bytes; i += 64) {
        const __m256i v0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i v1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + 32));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), v0);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i + 32), v1);
    }
    for (; i + 16 <= bytes; i += 16) StoreU(d + i, LoadU(s + i));
    std::memcpy(d + i, s + i, static_cast<size_t>(bytes - i));
}

// Aligns each row's destination to 32 bytes on its own, so every store can be streamed.
void CopyRowStreaming(uint8_t* d, const uint8_t* s, int32_t bytes) {
    int32_t lead = static_cast<int32_t>((32 - (reinterpret_cast<uintptr_t>(d) & 31)) & 31);
    if (lead > bytes) lead = bytes;
    std::memcpy(d, s, static_cast<size_t>(lead));
    int32_t i = lead;
    for (; i + 32 <= bytes; i += 32)
        _mm256_stream_si256(reinterpret_cast<__m256i*>(d + i),
                            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i)));
    std::memcpy(d + i, s + i, static_cast<size_t>(bytes - i));
}

void Avx2Copy(const PixelJob& job) {
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
    _mm256_zeroupper();
}

void Avx2BlendConst(const uint8_t* const* table, const PixelJob& job, uint32_t alpha) {
    BlendConstRows(table, job, alpha & 255u, BlendConstGroups);
    _mm256_zeroupper();
}

void Avx2BlendAlpha(const uint8_t* const* table, const PixelJob& job) {
    BlendAlphaRows(table, job, BlendAlphaGroups);
    _mm256_zeroupper();
}

constexpr KernelSet kAvx2 = {"avx2", Avx2Copy, Avx2BlendConst, Avx2BlendAlpha};

}  // namespace

const KernelSet& Avx2KernelSet() { return kAvx2; }

}  // namespace pixmill
