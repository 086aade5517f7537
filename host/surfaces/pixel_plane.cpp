#include "host/surfaces/pixel_plane.h"

#include <new>

namespace host {

bool PixelPlane::Allocate(int32_t width, int32_t height, int32_t bytesPerPixel) {
    bytes_.reset();
    width_ = height_ = bytesPerPixel_ = pitch_ = 0;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return false;
    if (bytesPerPixel < 1 || bytesPerPixel > 4) return false;
    const int32_t pitch = (width * bytesPerPixel + 3) & ~3;
    const size_t size = static_cast<size_t>(pitch) * static_cast<size_t>(height);
    bytes_.reset(new (std::nothrow) uint8_t[size]());
    if (!bytes_) return false;
    width_ = width;
    height_ = height;
    bytesPerPixel_ = bytesPerPixel;
    pitch_ = pitch;
    return true;
}

uint8_t* PixelPlane::At(int32_t x, int32_t y) const {
    if (!bytes_ || x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
    return bytes_.get() + static_cast<size_t>(y) * static_cast<size_t>(pitch_) +
           static_cast<size_t>(x) * static_cast<size_t>(bytesPerPixel_);
}

}  // namespace host
