#pragma once

#include <cstdint>

#include "surface.h"

// The surface factory served by the host-loaded Layerforge module. Slots 0 and 1 are never
// called by the system; they hold their places so that the factory slots keep their numbers.
class ILayerforge {
public:
    virtual void Reserved0() = 0;
    virtual void Reserved1() = 0;
    // Each returns a new surface, or null on failure.
    virtual ISurface* CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t depth) = 0;  // 2
    virtual ISurface* CreateSurface(int32_t width, int32_t height, int32_t depth) = 0;           // 3
    virtual ISurface* CreateMaskSurface(int32_t width, int32_t height) = 0;                      // 4

protected:
    ~ILayerforge() = default;
};
