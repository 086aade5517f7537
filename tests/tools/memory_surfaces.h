#pragma once

#include <cstdint>
#include <vector>

#include "interfaces/layerforge.h"
#include "interfaces/surface.h"

// Plain memory surfaces and their factory, so that the demo's own picture loader can decode the
// generated archive in a test. Pixel rows are padded, as a host's may be.
class MemorySurface final : public ISurface {
public:
    MemorySurface(int32_t width, int32_t height, bool pixels, bool alpha, int* live);

    int32_t Identify() override { return 1; }
    int32_t Release() override;
    uint8_t* PixelAt(int32_t x, int32_t y) override;
    uint8_t* AlphaAt(int32_t x, int32_t y) override;
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return pitch_; }
    int32_t AlphaPitch() override { return alpha_.empty() ? 0 : width_; }
    bool HasPixels() override { return !pixels_.empty(); }
    bool IsHostOwned() override { return true; }

private:
    int32_t width_, height_, pitch_;
    std::vector<uint8_t> pixels_, alpha_;
    int* live_;
};

class MemoryLayerforge final : public ILayerforge {
public:
    void Reserved0() override {}
    void Reserved1() override {}
    ISurface* CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t) override {
        return Make(width, height, true, true);
    }
    ISurface* CreateSurface(int32_t width, int32_t height, int32_t) override {
        return Make(width, height, true, false);
    }
    ISurface* CreateMaskSurface(int32_t width, int32_t height) override { return Make(width, height, false, true); }

    int liveSurfaces = 0;

private:
    ISurface* Make(int32_t width, int32_t height, bool pixels, bool alpha);
};
