#include "host/web/rgba_frame.h"

#include "host/kit/host_window.h"

namespace web {

RgbaFrame::RgbaFrame() : rgba_(size_t{host::HostWindow::kWidth} * host::HostWindow::kHeight * 4, 0xFF) {}

const uint8_t* RgbaFrame::From(const uint8_t* bgr, int pitch) {
    uint8_t* out = rgba_.data();
    for (int y = 0; y < host::HostWindow::kHeight; ++y) {
        const uint8_t* row = bgr + static_cast<ptrdiff_t>(y) * pitch;
        for (int x = 0; x < host::HostWindow::kWidth; ++x, out += 4, row += 3) {
            out[0] = row[2];
            out[1] = row[1];
            out[2] = row[0];
        }
    }
    return rgba_.data();
}

}  // namespace web
