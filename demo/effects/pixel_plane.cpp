#include "demo/effects/pixel_plane.h"

namespace {

bool BindPlane(uint8_t* base, int32_t pitch, int32_t width, int32_t height, int32_t bytesPerPixel, PixelPlane& plane) {
    plane = PixelPlane{};
    if (base == nullptr || width <= 0 || height <= 0) return false;
    const int64_t rowBytes = static_cast<int64_t>(width) * bytesPerPixel;
    const int64_t pitchBytes = pitch < 0 ? -static_cast<int64_t>(pitch) : pitch;
    // Rows narrower than the width would make neighbouring rows overlap or run past the block.
    if (pitchBytes < rowBytes) return false;
    plane = PixelPlane{base, pitch, width, height};
    return true;
}

int64_t FloorDivide(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

bool BindPixelPlane(ISurface* surface, PixelPlane& plane) {
    plane = PixelPlane{};
    if (surface == nullptr) return false;
    return BindPlane(surface->PixelAt(0, 0), surface->Pitch(), surface->Width(), surface->Height(), 3, plane);
}

bool BindAlphaPlane(ISurface* surface, PixelPlane& plane) {
    plane = PixelPlane{};
    if (surface == nullptr) return false;
    return BindPlane(surface->AlphaAt(0, 0), surface->AlphaPitch(), surface->Width(), surface->Height(), 1, plane);
}

IndexRange ClipIndices(int32_t offset, int32_t stride, int32_t count, int32_t extent) {
    if (count <= 0 || extent <= 0 || stride <= 0) return {};
    // Smallest index with offset + index * stride >= 0 and largest with it <= extent - 1.
    const int64_t first = -FloorDivide(static_cast<int64_t>(offset), stride);
    const int64_t last = FloorDivide(static_cast<int64_t>(extent) - 1 - offset, stride);
    const int64_t begin = first > 0 ? first : 0;
    const int64_t end = last + 1 < count ? last + 1 : count;
    if (begin >= end) return {};
    return {static_cast<int32_t>(begin), static_cast<int32_t>(end)};
}
