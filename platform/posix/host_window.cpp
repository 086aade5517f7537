#include "platform/host_window.h"

namespace platform {

// The framebuffer window is the display: blits and presents land in its framebuffer directly.
Window CreateHostWindow(const char* title, int width, int height, bool /*visible*/) {
    return CreateFramebufferWindow(title, width, height);
}

void DestroyHostWindow(Window window) { DestroyWindow(window); }

uint8_t* HostWindowFramebuffer(Window window, int* width, int* height, int* pitch) {
    return WindowFramebuffer(window, width, height, pitch);
}

void ShowHostWindowRect(Window, int, int, int, int) {}

bool CaptureHostWindow(Window window) { return WindowFramebuffer(window, nullptr, nullptr, nullptr) != nullptr; }

}  // namespace platform
