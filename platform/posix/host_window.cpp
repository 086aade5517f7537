#include "platform/host_window.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform {

// The framebuffer window is the display: blits and presents land in its framebuffer directly.
Window CreateHostWindow(const char* title, int width, int height, bool /*visible*/) {
    return CreateFramebufferWindow(title, width, height);
}

void DestroyHostWindow(Window window) { DestroyWindow(window); }

uint8_t* HostWindowFramebuffer(Window window, int* width, int* height, int* pitch) {
    return WindowFramebuffer(window, width, height, pitch);
}

void PresentHostWindowRect(Window window, const uint8_t* pixels, int pitch, int x, int y, int width, int height) {
    int framebufferWidth = 0, framebufferHeight = 0, framebufferPitch = 0;
    uint8_t* framebuffer = WindowFramebuffer(window, &framebufferWidth, &framebufferHeight, &framebufferPitch);
    if (framebuffer == nullptr || pixels == nullptr) return;
    const int64_t x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int64_t x1 = std::min(int64_t{x} + width, int64_t{framebufferWidth});
    const int64_t y1 = std::min(int64_t{y} + height, int64_t{framebufferHeight});
    for (int64_t row = y0; row < y1 && x0 < x1; ++row) {
        std::memcpy(framebuffer + static_cast<size_t>(row) * framebufferPitch + static_cast<size_t>(x0) * 3,
                    pixels + static_cast<size_t>(row) * pitch + static_cast<size_t>(x0) * 3,
                    static_cast<size_t>(x1 - x0) * 3);
    }
}

bool CaptureHostWindow(Window window) { return WindowFramebuffer(window, nullptr, nullptr, nullptr) != nullptr; }

}  // namespace platform
