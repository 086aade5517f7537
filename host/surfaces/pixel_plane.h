#pragma once

#include <cstdint>
#include <memory>

namespace host {

// One zero-initialised plane of a bitmap: rows of width * bytesPerPixel bytes, each padded to a
// multiple of 4 bytes as device-independent bitmaps are, top row first.
class PixelPlane {
public:
    // Sizes above this are refused so that row and plane sizes never overflow 32 bits.
    static constexpr int32_t kMaxSide = 16384;

    // False for sizes outside 1..kMaxSide or when memory runs out; the plane then stays empty.
    bool Allocate(int32_t width, int32_t height, int32_t bytesPerPixel);

    bool Empty() const { return bytes_ == nullptr; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t Pitch() const { return pitch_; }
    uint8_t* Bytes() const { return bytes_.get(); }
    // Null outside the plane, so a stray coordinate cannot turn into a stray address.
    uint8_t* At(int32_t x, int32_t y) const;

private:
    std::unique_ptr<uint8_t[]> bytes_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t bytesPerPixel_ = 0;
    int32_t pitch_ = 0;
};

}  // namespace host
