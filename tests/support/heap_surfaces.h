#pragma once

#include <cstdint>
#include <vector>

#include "interfaces/layerforge.h"
#include "interfaces/surface.h"

// How a HeapLayerforge lays out the planes of the surfaces it makes. Padding after each row shows
// a reader that steps by the width instead of the pitch; guard bytes after the last row, filled
// like everything else, show a write past the end. With neither, planes are packed tight, so
// AddressSanitizer sees any such write instead.
struct HeapLayout {
    int32_t rowPadding = 0;
    bool padAlphaRows = false;  // the alpha rows carry the same padding
    int32_t guardBytes = 0;
    uint8_t fill = 0;
};

// A 24-bit surface in plain memory, with an alpha plane or as a bare mask, released by delete.
class HeapSurface final : public ISurface {
public:
    HeapSurface(int32_t width, int32_t height, bool pixels, bool alpha, const HeapLayout& layout, int* live);

    int32_t Identify() override { return 1; }
    int32_t Release() override;
    uint8_t* PixelAt(int32_t x, int32_t y) override;
    uint8_t* AlphaAt(int32_t x, int32_t y) override;
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return pitch_; }
    int32_t AlphaPitch() override { return alphaPitch_; }
    bool HasPixels() override { return !pixels_.empty(); }
    bool IsHostOwned() override { return true; }

    bool HasAlpha() const { return !alpha_.empty(); }
    // Blue, green, red of pixel (x, y) as one number 0xRRGGBB.
    uint32_t Rgb(int32_t x, int32_t y);
    uint8_t Alpha(int32_t x, int32_t y) { return *AlphaAt(x, y); }
    // True when every byte after the last row's pixels in both planes still holds the fill.
    bool GuardsIntact() const;

private:
    int32_t width_;
    int32_t height_;
    int32_t pitch_ = 0;
    int32_t alphaPitch_ = 0;
    uint8_t fill_;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> alpha_;
    int* live_;
};

// Makes HeapSurfaces and counts them, so a test can see what a loader asked for and that it
// released everything it made.
class HeapLayerforge final : public ILayerforge {
public:
    HeapLayerforge() = default;
    explicit HeapLayerforge(const HeapLayout& layout, int64_t maxPixels = 0) : layout(layout), maxPixels(maxPixels) {}

    void Reserved0() override {}
    void Reserved1() override {}
    ISurface* CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t depth) override;
    ISurface* CreateSurface(int32_t width, int32_t height, int32_t depth) override;
    ISurface* CreateMaskSurface(int32_t width, int32_t height) override;

    // Applies to the surfaces made from now on.
    HeapLayout layout;
    // Larger surfaces are refused, as a real factory would run out of memory (0: no limit).
    int64_t maxPixels = 0;
    bool failCreation = false;

    int liveSurfaces = 0;
    int created = 0;
    enum class Kind { None, WithAlpha, Plain, Mask } lastKind = Kind::None;

private:
    ISurface* Make(int32_t width, int32_t height, bool pixels, bool alpha, Kind kind);
};
