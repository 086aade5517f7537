// The baseline kernels: 64-bit MMX arithmetic for the blends, 128-bit SSE blocks with
// non-temporal stores for the copy, SSE prefetches ahead of each row's groups. Written by hand,
// not over the simd library's vectors: MMX registers are a width of their own that only this
// baseline uses, and it keeps the form measured on the oldest processors it serves.
#include "pixmill/kernel_sets.h"

#if defined(__MMX__) && defined(__SSE2__)
#include <emmintrin.h>
#include <mmintrin.h>
#include <xmmintrin.h>

#include <cstring>

#include "pixmill/copy_overlap.h"
#include "pixmill/row_layout.h"

namespace pixmill {

namespace {

uint32_t Load32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void Store32(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }

// Four bytes held as 16-bit lanes, blended in SIMD form with 16-bit weights w and 255 − w;
// the result sits in the low four bytes.
__m64 BlendLanes(__m64 d, __m64 s, __m64 w, __m64 inverse) {
    const __m64 fromSource = _mm_srli_pi16(_mm_mullo_pi16(s, w), 8);
    const __m64 fromDest = _mm_srli_pi16(_mm_mullo_pi16(d, inverse), 8);
    return _mm_adds_pu8(_mm_packs_pu16(fromSource, fromSource), _mm_packs_pu16(fromDest, fromDest));
}

void BlendWord(uint8_t* d, const uint8_t* s, __m64 w, __m64 inverse) {
    const __m64 zero = _mm_setzero_si64();
    const __m64 dl = _mm_unpacklo_pi8(_mm_cvtsi32_si64(static_cast<int>(Load32(d))), zero);
    const __m64 sl = _mm_unpacklo_pi8(_mm_cvtsi32_si64(static_cast<int>(Load32(s))), zero);
    Store32(d, static_cast<uint32_t>(_mm_cvtsi64_si32(BlendLanes(dl, sl, w, inverse))));
}

void PrefetchRun(const uint8_t* p, int32_t count) {
    for (int32_t i = 0; i < count; ++i) _mm_prefetch(reinterpret_cast<const char*>(p + 32 * i), _MM_HINT_NTA);
}

void BlendConstGroups(uint8_t* d, const uint8_t* s, int32_t groups, uint32_t a) {
    PrefetchRun(s, 12 * groups / 32);
    const __m64 w = _mm_set1_pi16(static_cast<short>(a));
    const __m64 inverse = _mm_set1_pi16(static_cast<short>(255 - a));
    for (int32_t g = 0; g < groups; ++g, d += 12, s += 12) {
        BlendWord(d, s, w, inverse);
        BlendWord(d + 4, s + 4, w, inverse);
        BlendWord(d + 8, s + 8, w, inverse);
    }
}

void BlendAlphaGroups(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int32_t groups) {
    PrefetchRun(alpha, 4 * groups / 32);
    const __m64 zero = _mm_setzero_si64();
    const __m64 opaque = _mm_set1_pi16(255);
    for (int32_t g = 0; g < groups; ++g, d += 12, s += 12, alpha += 4) {
        const uint32_t word = Load32(alpha);
        if (word == 0) continue;
        if (word == 0xFFFFFFFFu) {
            std::memcpy(d, s, 12);
            continue;
        }
        // Each colour byte takes its own pixel's weight: words (a0 a0 a0 a1) (a1 a1 a2 a2) (a2 a3 a3 a3).
        const __m64 lanes = _mm_unpacklo_pi8(_mm_cvtsi32_si64(static_cast<int>(word)), zero);
        const __m64 w0 = _mm_shuffle_pi16(lanes, _MM_SHUFFLE(1, 0, 0, 0));
        const __m64 w1 = _mm_shuffle_pi16(lanes, _MM_SHUFFLE(2, 2, 1, 1));
        const __m64 w2 = _mm_shuffle_pi16(lanes, _MM_SHUFFLE(3, 3, 3, 2));
        BlendWord(d, s, w0, _mm_sub_pi16(opaque, w0));
        BlendWord(d + 4, s + 4, w1, _mm_sub_pi16(opaque, w1));
        BlendWord(d + 8, s + 8, w2, _mm_sub_pi16(opaque, w2));
    }
}

void BaselineBlendConst(const uint8_t* const* table, const PixelJob& job, uint32_t alpha) {
    BlendConstRows(table, job, alpha & 255u, BlendConstGroups);
    _mm_empty();
}

void BaselineBlendAlpha(const uint8_t* const* table, const PixelJob& job) {
    BlendAlphaRows(table, job, BlendAlphaGroups);
    _mm_empty();
}

// The lead bytes bring the first destination row to 16-byte alignment; later rows keep the same
// lead, so their stores are aligned only when the pitch is a multiple of 16 and fall back to
// ordinary unaligned stores otherwise.
void BaselineCopy(const PixelJob& job) {
    int32_t lead = static_cast<int32_t>((16 - (reinterpret_cast<uintptr_t>(job.dst) & 15)) & 15);
    CopyRows(job, [lead](uint8_t* d, const uint8_t* s, int32_t rowBytes) {
        const int32_t rowLead = lead < rowBytes ? lead : rowBytes;
        std::memcpy(d, s, static_cast<size_t>(rowLead));
        uint8_t* bd = d + rowLead;
        const uint8_t* bs = s + rowLead;
        PrefetchRun(bs, (rowBytes - rowLead) / 32);
        const bool sourceAligned = (reinterpret_cast<uintptr_t>(bs) & 15) == 0;
        const bool destAligned = (reinterpret_cast<uintptr_t>(bd) & 15) == 0;
        for (int32_t b = (rowBytes - rowLead) / 16; b > 0; --b, bd += 16, bs += 16) {
            const __m128i v = sourceAligned ? _mm_load_si128(reinterpret_cast<const __m128i*>(bs))
                                            : _mm_loadu_si128(reinterpret_cast<const __m128i*>(bs));
            if (destAligned)
                _mm_stream_si128(reinterpret_cast<__m128i*>(bd), v);
            else
                _mm_storeu_si128(reinterpret_cast<__m128i*>(bd), v);
        }
        std::memcpy(bd, bs, static_cast<size_t>((rowBytes - rowLead) % 16));
    });
    _mm_sfence();
}

constexpr KernelSet kBaseline = {"mmx-sse", BaselineCopy, BaselineBlendConst, BaselineBlendAlpha};

}  // namespace

const KernelSet* MmxSseKernelSet() { return &kBaseline; }

}  // namespace pixmill

#else

const pixmill::KernelSet* pixmill::MmxSseKernelSet() { return nullptr; }

#endif
