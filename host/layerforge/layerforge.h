#pragma once

#include <cstdint>

#include "interfaces/layerforge.h"

namespace host {

// Makes memory surfaces. Only 24-bit pixel planes are offered; other depths are refused.
class Layerforge final : public ILayerforge {
public:
    void Reserved0() override {}
    void Reserved1() override {}
    ISurface* CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t depth) override;
    ISurface* CreateSurface(int32_t width, int32_t height, int32_t depth) override;
    ISurface* CreateMaskSurface(int32_t width, int32_t height) override;
};

}  // namespace host
