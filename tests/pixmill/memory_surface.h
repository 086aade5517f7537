#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "interfaces/surface.h"

// A 24-bit surface in plain memory, with an optional alpha plane, for driving the drawing object
// the way a host's surfaces do.
namespace pixmill_test {

class MemorySurface final : public ISurface {
public:
    MemorySurface(int32_t width, int32_t height, bool withAlpha, int32_t pitchPadding = 0)
        : width(width),
          height(height),
          pitch(3 * width + pitchPadding),
          alphaPitch(withAlpha ? width + 3 : 0),
          pixels(static_cast<size_t>(pitch) * height),
          alpha(static_cast<size_t>(alphaPitch) * height) {}

    void FillRandom(std::mt19937& random) {
        for (uint8_t& byte : pixels) byte = static_cast<uint8_t>(random());
        for (uint8_t& byte : alpha) byte = static_cast<uint8_t>(random() % 3 == 0 ? (random() % 2) * 255 : random());
    }
    const std::vector<uint8_t>& Bytes() const { return pixels; }

    int32_t Identify() override { return 1; }
    int32_t Release() override { return 0; }
    uint8_t* PixelAt(int32_t x, int32_t y) override { return pixels.data() + y * pitch + 3 * x; }
    uint8_t* AlphaAt(int32_t x, int32_t y) override {
        return alphaPitch == 0 ? nullptr : alpha.data() + y * alphaPitch + x;
    }
    int32_t Width() override { return width; }
    int32_t Height() override { return height; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return pitch; }
    int32_t AlphaPitch() override { return alphaPitch; }
    bool HasPixels() override { return true; }
    bool IsHostOwned() override { return true; }

private:
    int32_t width;
    int32_t height;
    int32_t pitch;
    int32_t alphaPitch;
    std::vector<uint8_t> pixels;
    std::vector<uint8_t> alpha;
};

}  // namespace pixmill_test
