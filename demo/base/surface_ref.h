#pragma once

#include <cstdint>

#include "interfaces/surface.h"

// Owns one surface: releasing calls the surface's own Release. Holders are neither copied nor
// moved implicitly, so a surface is released exactly once.
class SurfaceRef {
public:
    SurfaceRef() = default;
    explicit SurfaceRef(ISurface* surface) : surface_(surface) {}
    ~SurfaceRef() { Release(); }
    SurfaceRef(const SurfaceRef&) = delete;
    SurfaceRef& operator=(const SurfaceRef&) = delete;

    // Forgets the pointer without releasing it.
    void Clear() { surface_ = nullptr; }
    // Releases the held surface and returns its Release result; 0 when empty.
    int32_t Release() {
        if (surface_ == nullptr) return 0;
        ISurface* held = surface_;
        surface_ = nullptr;
        return held->Release();
    }
    // Releases what is held and takes the new surface.
    void Reset(ISurface* surface) {
        Release();
        surface_ = surface;
    }
    ISurface* Get() const { return surface_; }
    explicit operator bool() const { return surface_ != nullptr; }
    int32_t Width() const { return surface_ ? surface_->Width() : 0; }
    int32_t Height() const { return surface_ ? surface_->Height() : 0; }

private:
    ISurface* surface_ = nullptr;
};
