#pragma once

#include <cstdint>

#include "host/surfaces/pixel_plane.h"
#include "interfaces/surface.h"

namespace host {

// A surface in process memory: a 24-bit pixel plane, an 8-bit plane, or both. Made by Create
// and freed by its own Release, as every holder of an ISurface expects.
class MemorySurface final : public ISurface {
public:
    enum class Planes { kPixels, kPixelsAndAlpha, kAlphaOnly };

    // Null when the size is refused or memory runs out.
    static MemorySurface* Create(int32_t width, int32_t height, Planes planes);

    int32_t Identify() override { return 1; }
    int32_t Release() override;
    uint8_t* PixelAt(int32_t x, int32_t y) override { return pixels_.At(x, y); }
    uint8_t* AlphaAt(int32_t x, int32_t y) override { return alpha_.At(x, y); }
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return pixels_.Empty() ? 8 : 24; }
    int32_t Pitch() override { return pixels_.Pitch(); }
    int32_t AlphaPitch() override { return alpha_.Pitch(); }
    bool HasPixels() override { return !pixels_.Empty(); }
    bool IsHostOwned() override { return true; }

private:
    MemorySurface() = default;
    ~MemorySurface() = default;

    PixelPlane pixels_;
    PixelPlane alpha_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace host
