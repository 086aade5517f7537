#include "platform/host_window.h"

#include "platform/pixel_rows.h"

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
    if (!ClipRectToPlane(framebufferWidth, framebufferHeight, &x, &y, &width, &height)) return;
    CopyBgrRect(framebuffer, framebufferPitch, pixels, pitch, x, y, width, height);
}

bool CaptureHostWindow(Window window) { return WindowFramebuffer(window, nullptr, nullptr, nullptr) != nullptr; }

}  // namespace platform
