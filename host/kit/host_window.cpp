#include "host/kit/host_window.h"

#include "platform/host_window.h"

namespace host {

HostWindow::HostWindow(const char* title, bool visible)
    : window_(platform::CreateHostWindow(title, kWidth, kHeight, visible)) {}

HostWindow::~HostWindow() { platform::DestroyHostWindow(window_); }

uint8_t* HostWindow::Framebuffer(int* pitch) const {
    int width = 0, height = 0;
    uint8_t* bytes = platform::HostWindowFramebuffer(window_, &width, &height, pitch);
    return width == kWidth && height == kHeight ? bytes : nullptr;
}

void HostWindow::Present(const uint8_t* pixels, int pitch, int x, int y, int width, int height) {
    platform::PresentHostWindowRect(window_, pixels, pitch, x, y, width, height);
}

bool HostWindow::Capture() { return platform::CaptureHostWindow(window_); }

}  // namespace host
