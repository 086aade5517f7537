#pragma once

#include <cstdint>
#include <vector>

#include "interfaces/layerforge.h"
#include "interfaces/surface.h"

// Surfaces in plain memory with chosen row padding and guard bytes after each plane, so tests can
// see both where the decoders wrote and that they wrote nowhere else.
class FakeSurface final : public ISurface {
public:
    static constexpr uint8_t kGuard = 0xA5;
    static constexpr int32_t kGuardBytes = 64;

    FakeSurface(int32_t width, int32_t height, bool pixels, bool alpha, int32_t padding, int* live);

    int32_t Identify() override { return 1; }
    int32_t Release() override;
    uint8_t* PixelAt(int32_t x, int32_t y) override;
    uint8_t* AlphaAt(int32_t x, int32_t y) override;
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return pitch_; }
    int32_t AlphaPitch() override { return alpha_.empty() ? 0 : alphaPitch_; }
    bool HasPixels() override { return !pixels_.empty(); }
    bool IsHostOwned() override { return true; }

    bool HasAlpha() const { return !alpha_.empty(); }
    // Blue, green, red of pixel (x, y) as one number 0xRRGGBB.
    uint32_t Rgb(int32_t x, int32_t y);
    uint8_t Alpha(int32_t x, int32_t y) { return *AlphaAt(x, y); }
    // True when every guard byte after both planes is untouched.
    bool GuardsIntact() const;

private:
    int32_t width_;
    int32_t height_;
    int32_t pitch_;
    int32_t alphaPitch_;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> alpha_;
    int* live_;
};

class FakeLayerforge final : public ILayerforge {
public:
    void Reserved0() override {}
    void Reserved1() override {}
    ISurface* CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t depth) override;
    ISurface* CreateSurface(int32_t width, int32_t height, int32_t depth) override;
    ISurface* CreateMaskSurface(int32_t width, int32_t height) override;

    // Bytes added to every row of the surfaces made from now on.
    int32_t padding = 0;
    bool failCreation = false;
    int liveSurfaces = 0;
    int created = 0;
    enum class Kind { None, WithAlpha, Plain, Mask } lastKind = Kind::None;

private:
    ISurface* Make(int32_t width, int32_t height, bool pixels, bool alpha, Kind kind);
};
