#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "interfaces/surface.h"

// A surface over plain memory for the effect and drawing tests and benchmarks. Rows may carry
// padding bytes, so a routine that steps by the width instead of the pitch shows; guard bytes
// before and after each plane and the padding are filled with a pattern that Intact() checks, so
// a write outside the pixels shows.
class TestSurface final : public ISurface {
public:
    struct Options {
        int32_t padding = 0;  // bytes after each pixel row
        bool pixels = true;   // false: a mask surface, alpha plane only
        bool alpha = false;
        int32_t alphaPadding = 0;
    };

    // As a host's drawing surfaces come: pixels, rows padded by padding bytes, and when asked an
    // alpha plane whose rows are 3 bytes longer than the width.
    static Options Drawing(bool alpha, int32_t padding = 0) { return {padding, true, alpha, alpha ? 3 : 0}; }

    TestSurface(int32_t width, int32_t height) : TestSurface(width, height, Options{}) {}
    TestSurface(int32_t width, int32_t height, Options options);
    ~TestSurface() = default;
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    int32_t Identify() override { return 1; }
    int32_t Release() override { return 0; }  // the test owns the memory
    uint8_t* PixelAt(int32_t x, int32_t y) override;
    uint8_t* AlphaAt(int32_t x, int32_t y) override;
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return pitch_; }
    int32_t AlphaPitch() override { return alphaPitch_; }
    bool HasPixels() override { return !pixels_.empty(); }
    bool IsHostOwned() override { return true; }

    // Pixel (x, y) as blue, green, red bytes; the mask byte at (x, y).
    uint8_t* Pixel(int32_t x, int32_t y) { return PixelAt(x, y); }
    uint8_t* Mask(int32_t x, int32_t y) { return AlphaAt(x, y); }
    void Fill(uint8_t blue, uint8_t green, uint8_t red);
    void FillMask(uint8_t value);
    // With alphaEdges a third of the alpha values are 0 or 255, which blends treat apart.
    void FillRandom(std::mt19937& random, bool alphaEdges = false);

    // The pixel bytes row by row without padding, to compare two surfaces or two moments.
    std::vector<uint8_t> Pixels() const;
    std::vector<uint8_t> MaskBytes() const;
    // True while no byte outside the pixels (guards and padding) has changed.
    bool Intact() const;

private:
    static constexpr int32_t kGuard = 64;
    static constexpr uint8_t kPattern = 0xA5;

    int32_t width_;
    int32_t height_;
    int32_t pitch_ = 0;
    int32_t alphaPitch_ = 0;
    std::vector<uint8_t> pixels_;  // guard, height * pitch bytes, guard
    std::vector<uint8_t> alpha_;
};
