#include "host/surfaces/memory_surface.h"

#include <new>

namespace host {

MemorySurface* MemorySurface::Create(int32_t width, int32_t height, Planes planes) {
    MemorySurface* surface = new (std::nothrow) MemorySurface();
    if (surface == nullptr) return nullptr;
    const bool pixelsOk = planes == Planes::kAlphaOnly || surface->pixels_.Allocate(width, height, 3);
    const bool alphaOk = planes == Planes::kPixels || (pixelsOk && surface->alpha_.Allocate(width, height, 1));
    if (!pixelsOk || !alphaOk) {
        delete surface;
        return nullptr;
    }
    surface->width_ = width;
    surface->height_ = height;
    return surface;
}

int32_t MemorySurface::Release() {
    delete this;
    return 0;
}

}  // namespace host
