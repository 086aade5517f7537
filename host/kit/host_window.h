#pragma once

#include <cstdint>

#include "interfaces/host.h"
#include "platform/window.h"

namespace host {

// The host's main window and its framebuffer; owns the platform window.
class HostWindow final : public IHostWindow {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    HostWindow(const char* title, bool visible);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    void Reserved0() override {}
    void Reserved1() override {}
    void Reserved2() override {}
    NativeWindow MainWindow() override { return window_; }

    bool Valid() const { return window_ != nullptr; }
    // Rows of kWidth * 3 bytes, pitch bytes apart; null when the window could not be made. What
    // was last presented, or for a visible window on Windows what the last Capture read.
    uint8_t* Framebuffer(int* pitch) const;
    // A rectangle of 24-bit pixels (pixels at (0, 0), pitch bytes a row) to the same place of the
    // window: its framebuffer, or the screen for a visible window on Windows.
    void Present(const uint8_t* pixels, int pitch, int x, int y, int width, int height);
    // Brings what the window shows, including what was blitted onto it directly, into the
    // framebuffer.
    bool Capture();

private:
    platform::Window window_;
};

}  // namespace host
