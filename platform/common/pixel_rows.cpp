#include "platform/pixel_rows.h"

#include <cstddef>
#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <tmmintrin.h>
#define PLATFORM_HAS_SSSE3_FORM 1
#endif

namespace platform {
namespace {

#if defined(PLATFORM_HAS_SSSE3_FORM)
// Four pixels a shuffle: each 16-byte load holds pixels 0 to 3 in its first 12 bytes and the
// shuffle spreads them to four lanes with a zero fourth byte. A load reads 4 bytes past its 12,
// so the loop stops while 6 pixels remain and the plain loop finishes the row.
__attribute__((target("ssse3"))) void WidenSsse3(const uint8_t* in, uint8_t* out, int pixels) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    int done = 0;
    for (; pixels - done >= 6; done += 4, in += 12, out += 16) {
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(bgr, spread));
    }
    WidenBgrRowPlain(in, out, pixels - done);
}

bool CpuHasSsse3() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3");
}
#endif

WidenBgrRowForm ChosenForm() {
    const WidenBgrRowForm ssse3 = WidenBgrRowSsse3();
    return ssse3 != nullptr ? ssse3 : WidenBgrRowPlain;
}

}  // namespace

bool ClipRectToPlane(int width, int height, int* x, int* y, int* w, int* h) {
    if (*x < 0) *w += *x, *x = 0;
    if (*y < 0) *h += *y, *y = 0;
    if (*w > width - *x) *w = width - *x;
    if (*h > height - *y) *h = height - *y;
    return *w > 0 && *h > 0;
}

void CopyBgrRect(uint8_t* to, int toPitch, const uint8_t* from, int fromPitch, int x, int y, int w, int h) {
    // Whole rows of two planes laid out alike are one block: one copy, where the browser build pays
    // a call out of the module for every large one.
    if (toPitch == fromPitch && static_cast<ptrdiff_t>(w) * 3 == toPitch) {
        std::memcpy(to + static_cast<ptrdiff_t>(y) * toPitch, from + static_cast<ptrdiff_t>(y) * fromPitch,
                    static_cast<size_t>(toPitch) * static_cast<size_t>(h));
        return;
    }
    for (int row = y; row < y + h; ++row) {
        std::memcpy(to + static_cast<ptrdiff_t>(row) * toPitch + static_cast<ptrdiff_t>(x) * 3,
                    from + static_cast<ptrdiff_t>(row) * fromPitch + static_cast<ptrdiff_t>(x) * 3,
                    static_cast<size_t>(w) * 3);
    }
}

void WidenBgrRowPlain(const uint8_t* in, uint8_t* out, int pixels) {
    for (int i = 0; i < pixels; ++i, in += 3, out += 4) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        out[3] = 0;
    }
}

WidenBgrRowForm WidenBgrRowSsse3() {
#if defined(PLATFORM_HAS_SSSE3_FORM)
    static const bool offered = CpuHasSsse3();
    return offered ? WidenSsse3 : nullptr;
#else
    return nullptr;
#endif
}

void WidenBgrRow(const uint8_t* in, uint8_t* out, int pixels) {
    static const WidenBgrRowForm chosen = ChosenForm();
    chosen(in, out, pixels);
}

}  // namespace platform
