#include "demo/assets/plane_view.h"

namespace {

bool Describe(uint8_t* first, uint8_t* last, int32_t pitch, int32_t bytesPerPixel, int32_t width, int32_t height,
              PlaneView* plane) {
    if (first == nullptr || last == nullptr || width <= 0 || height <= 0) return false;
    const ptrdiff_t rowBytes = static_cast<ptrdiff_t>(width) * bytesPerPixel;
    if (pitch < rowBytes) return false;
    if (last - first != static_cast<ptrdiff_t>(height - 1) * pitch) return false;
    *plane = PlaneView{first, width, height, pitch};
    return true;
}

}  // namespace

bool PixelPlaneOf(ISurface& surface, int32_t width, int32_t height, PlaneView* plane) {
    if (!surface.HasPixels() || height <= 0) return false;
    return Describe(surface.PixelAt(0, 0), surface.PixelAt(0, height - 1), surface.Pitch(), 3, width, height, plane);
}

bool AlphaPlaneOf(ISurface& surface, int32_t width, int32_t height, PlaneView* plane) {
    if (height <= 0) return false;
    return Describe(surface.AlphaAt(0, 0), surface.AlphaAt(0, height - 1), surface.AlphaPitch(), 1, width, height,
                    plane);
}
