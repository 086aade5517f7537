#include "host/layerforge/layerforge.h"

#include "host/surfaces/memory_surface.h"

namespace host {

ISurface* Layerforge::CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t depth) {
    if (depth != 24) return nullptr;
    return MemorySurface::Create(width, height, MemorySurface::Planes::kPixelsAndAlpha);
}

ISurface* Layerforge::CreateSurface(int32_t width, int32_t height, int32_t depth) {
    if (depth != 24) return nullptr;
    return MemorySurface::Create(width, height, MemorySurface::Planes::kPixels);
}

ISurface* Layerforge::CreateMaskSurface(int32_t width, int32_t height) {
    return MemorySurface::Create(width, height, MemorySurface::Planes::kAlphaOnly);
}

}  // namespace host
