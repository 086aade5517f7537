#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "host/surfaces/memory_surface.h"

namespace hosttest {

// A surface that releases itself when the test scope ends.
class TestSurface {
public:
    TestSurface(int32_t width, int32_t height, host::MemorySurface::Planes planes)
        : surface_(host::MemorySurface::Create(width, height, planes)) {}
    ~TestSurface() {
        if (surface_) surface_->Release();
    }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    ISurface* get() const { return surface_; }
    ISurface* operator->() const { return surface_; }

    // Pixel bytes in plane order (blue, green, red).
    void SetPixel(int32_t x, int32_t y, uint8_t b, uint8_t g, uint8_t r) {
        uint8_t* p = surface_->PixelAt(x, y);
        p[0] = b, p[1] = g, p[2] = r;
    }
    void Fill(uint8_t b, uint8_t g, uint8_t r) {
        for (int32_t y = 0; y < surface_->Height(); ++y)
            for (int32_t x = 0; x < surface_->Width(); ++x) SetPixel(x, y, b, g, r);
    }
    void SetAlpha(int32_t x, int32_t y, uint8_t a) { *surface_->AlphaAt(x, y) = a; }
    std::vector<uint8_t> Pixel(int32_t x, int32_t y) const {
        const uint8_t* p = surface_->PixelAt(x, y);
        return {p[0], p[1], p[2]};
    }

private:
    ISurface* surface_;
};

inline std::vector<uint8_t> Bgr(uint8_t b, uint8_t g, uint8_t r) { return {b, g, r}; }
inline std::vector<uint8_t> Grey(uint8_t v) { return {v, v, v}; }

}  // namespace hosttest
