#include "demo/base/plane_view.h"

namespace {

bool Describe(uint8_t* first, uint8_t* last, int32_t pitch, int32_t bytesPerPixel, int32_t width, int32_t height,
              PlaneView& plane) {
    if (first == nullptr || last == nullptr || width <= 0 || height <= 0) return false;
    const int64_t rowBytes = static_cast<int64_t>(width) * bytesPerPixel;
    const int64_t pitchBytes = pitch < 0 ? -static_cast<int64_t>(pitch) : pitch;
    // Rows narrower than the width would make neighbouring rows overlap or run past the block.
    if (pitchBytes < rowBytes) return false;
    // The loops reach every row through the pitch alone.
    if (last - first != static_cast<intptr_t>(height - 1) * pitch) return false;
    plane = PlaneView{first, width, height, pitch};
    return true;
}

}  // namespace

bool BindPixelPlane(ISurface* surface, int32_t width, int32_t height, PlaneView& plane) {
    plane = PlaneView{};
    if (surface == nullptr || !surface->HasPixels() || height <= 0) return false;
    return Describe(surface->PixelAt(0, 0), surface->PixelAt(0, height - 1), surface->Pitch(), 3, width, height, plane);
}

bool BindAlphaPlane(ISurface* surface, int32_t width, int32_t height, PlaneView& plane) {
    plane = PlaneView{};
    if (surface == nullptr || height <= 0) return false;
    return Describe(surface->AlphaAt(0, 0), surface->AlphaAt(0, height - 1), surface->AlphaPitch(), 1, width, height,
                    plane);
}
