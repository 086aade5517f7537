#include "host/web/rgba_frame.h"

#include <wasm_simd128.h>

#include "host/kit/host_window.h"

namespace web {
namespace {

// Four pixels a shuffle: a 16-byte load holds pixels 0 to 3 in its first 12 bytes; the shuffle
// puts each one's red, green and blue in order, and an or sets the alphas. A shuffle of one vector
// is one instruction where one of two takes several. A load reads 4 bytes past its 12, so the loop
// stops while 6 pixels remain and the plain loop finishes the row.
void RowToRgba(const uint8_t* bgr, uint8_t* rgba, int pixels) {
    const v128_t opaque = wasm_i32x4_splat(static_cast<int32_t>(0xFF000000u));
    int done = 0;
    for (; pixels - done >= 6; done += 4, bgr += 12, rgba += 16) {
        const v128_t in = wasm_v128_load(bgr);
        wasm_v128_store(
            rgba, wasm_v128_or(wasm_i8x16_shuffle(in, in, 2, 1, 0, 0, 5, 4, 3, 0, 8, 7, 6, 0, 11, 10, 9, 0), opaque));
    }
    for (; done < pixels; ++done, bgr += 3, rgba += 4) {
        rgba[0] = bgr[2];
        rgba[1] = bgr[1];
        rgba[2] = bgr[0];
        rgba[3] = 0xFF;
    }
}

}  // namespace

RgbaFrame::RgbaFrame() : rgba_(size_t{host::HostWindow::kWidth} * host::HostWindow::kHeight * 4) {}

const uint8_t* RgbaFrame::From(const uint8_t* bgr, int pitch) {
    for (int y = 0; y < host::HostWindow::kHeight; ++y)
        RowToRgba(bgr + static_cast<ptrdiff_t>(y) * pitch, rgba_.data() + size_t{4} * host::HostWindow::kWidth * y,
                  host::HostWindow::kWidth);
    return rgba_.data();
}

}  // namespace web
