#include "testkit/test_surface.h"

namespace {

bool PlaneIntact(const std::vector<uint8_t>& plane, int32_t guard, int32_t rows, int32_t pitch, int32_t rowBytes,
                 uint8_t pattern) {
    if (plane.empty()) return true;
    for (int32_t i = 0; i < guard; ++i) {
        if (plane[i] != pattern || plane[plane.size() - 1 - i] != pattern) return false;
    }
    for (int32_t y = 0; y < rows; ++y) {
        for (int32_t i = rowBytes; i < pitch; ++i) {
            if (plane[guard + y * pitch + i] != pattern) return false;
        }
    }
    return true;
}

std::vector<uint8_t> Unpadded(const std::vector<uint8_t>& plane, int32_t guard, int32_t rows, int32_t pitch,
                              int32_t rowBytes) {
    std::vector<uint8_t> bytes;
    if (plane.empty()) return bytes;
    for (int32_t y = 0; y < rows; ++y) {
        const auto first = plane.begin() + guard + y * pitch;
        bytes.insert(bytes.end(), first, first + rowBytes);
    }
    return bytes;
}

}  // namespace

TestSurface::TestSurface(int32_t width, int32_t height, Options options) : width_(width), height_(height) {
    if (options.pixels) {
        pitch_ = 3 * width + options.padding;
        pixels_.assign(static_cast<size_t>(2 * kGuard + height * pitch_), kPattern);
        Fill(0, 0, 0);
    }
    if (options.alpha || !options.pixels) {
        alphaPitch_ = width + options.alphaPadding;
        alpha_.assign(static_cast<size_t>(2 * kGuard + height * alphaPitch_), kPattern);
        FillMask(0);
    }
}

uint8_t* TestSurface::PixelAt(int32_t x, int32_t y) {
    if (pixels_.empty()) return nullptr;
    return pixels_.data() + kGuard + static_cast<intptr_t>(y) * pitch_ + 3 * static_cast<intptr_t>(x);
}

uint8_t* TestSurface::AlphaAt(int32_t x, int32_t y) {
    if (alpha_.empty()) return nullptr;
    return alpha_.data() + kGuard + static_cast<intptr_t>(y) * alphaPitch_ + x;
}

void TestSurface::Fill(uint8_t blue, uint8_t green, uint8_t red) {
    for (int32_t y = 0; y < height_; ++y) {
        for (int32_t x = 0; x < width_; ++x) {
            uint8_t* p = PixelAt(x, y);
            p[0] = blue;
            p[1] = green;
            p[2] = red;
        }
    }
}

void TestSurface::FillMask(uint8_t value) {
    for (int32_t y = 0; y < height_; ++y) {
        for (int32_t x = 0; x < width_; ++x) *AlphaAt(x, y) = value;
    }
}

void TestSurface::FillRandom(std::mt19937& random, bool alphaEdges) {
    for (int32_t y = 0; y < height_; ++y) {
        for (int32_t x = 0; x < width_; ++x) {
            if (!pixels_.empty()) {
                uint8_t* p = PixelAt(x, y);
                for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(random());
            }
            if (alpha_.empty()) continue;
            const bool edge = alphaEdges && random() % 3 == 0;
            *AlphaAt(x, y) = static_cast<uint8_t>(edge ? (random() % 2) * 255 : random());
        }
    }
}

std::vector<uint8_t> TestSurface::Pixels() const { return Unpadded(pixels_, kGuard, height_, pitch_, 3 * width_); }

std::vector<uint8_t> TestSurface::MaskBytes() const { return Unpadded(alpha_, kGuard, height_, alphaPitch_, width_); }

bool TestSurface::Intact() const {
    return PlaneIntact(pixels_, kGuard, height_, pitch_, 3 * width_, kPattern) &&
           PlaneIntact(alpha_, kGuard, height_, alphaPitch_, width_, kPattern);
}
