#include "host/kit/host_screen.h"

#include <algorithm>

namespace host {

HostScreen::HostScreen(HostWindow& window) : window_(window) {
    pixels_.Allocate(HostWindow::kWidth, HostWindow::kHeight, 3);
}

void HostScreen::Present(int32_t x, int32_t y, int32_t w, int32_t h) {
    ++presents_;
    if (pixels_.Empty()) return;
    const int64_t x0 = std::max<int64_t>(x, 0), y0 = std::max<int64_t>(y, 0);
    const int64_t x1 = std::min<int64_t>(int64_t{x} + w, pixels_.Width());
    const int64_t y1 = std::min<int64_t>(int64_t{y} + h, pixels_.Height());
    if (x1 <= x0 || y1 <= y0) return;
    window_.Present(pixels_.At(0, 0), pixels_.Pitch(), static_cast<int>(x0), static_cast<int>(y0),
                    static_cast<int>(x1 - x0), static_cast<int>(y1 - y0));
}

}  // namespace host
