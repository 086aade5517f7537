#pragma once

#include <cstdint>

#include "host/kit/host_window.h"
#include "host/surfaces/pixel_plane.h"
#include "interfaces/host.h"

namespace host {

// The 640 x 480 24-bit surface the demo draws every frame into. Present hands a rectangle of it to
// the window, which copies it into its framebuffer or shows it; the surface belongs to the host,
// so Release does nothing.
class HostScreen final : public IHostScreen {
public:
    explicit HostScreen(HostWindow& window);

    int32_t Identify() override { return 1; }
    int32_t Release() override { return 0; }
    uint8_t* PixelAt(int32_t x, int32_t y) override { return pixels_.At(x, y); }
    uint8_t* AlphaAt(int32_t, int32_t) override { return nullptr; }
    int32_t Width() override { return pixels_.Width(); }
    int32_t Height() override { return pixels_.Height(); }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return pixels_.Pitch(); }
    int32_t AlphaPitch() override { return 0; }
    bool HasPixels() override { return !pixels_.Empty(); }
    bool IsHostOwned() override { return true; }
    void Present(int32_t x, int32_t y, int32_t w, int32_t h) override;

    bool Valid() const { return !pixels_.Empty(); }
    uint32_t PresentCount() const { return presents_; }

private:
    HostWindow& window_;
    PixelPlane pixels_;
    uint32_t presents_ = 0;
};

}  // namespace host
