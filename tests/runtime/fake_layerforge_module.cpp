// A stand-in for the host's "Layerforge" module; the runtime only binds it.
#include "fake_modules.h"
#include "interfaces/guids.h"
#include "interfaces/layerforge.h"
#include "interfaces/module_export.h"

namespace {

FakeLayerforgeState state;

class FakeLayerforge final : public ILayerforge {
public:
    void Reserved0() override {}
    void Reserved1() override {}
    ISurface* CreateSurfaceWithAlpha(int32_t, int32_t, int32_t) override { return nullptr; }
    ISurface* CreateSurface(int32_t, int32_t, int32_t) override { return nullptr; }
    ISurface* CreateMaskSurface(int32_t, int32_t) override { return nullptr; }
};

FakeLayerforge layerforge;

}  // namespace

MODULE_EXPORT FakeLayerforgeState* FakeLayerforgeControl() { return &state; }

MODULE_EXPORT void* CreateInterface(const Guid* id) {
    ++state.createCalls;
    if (state.refuseInterface || id == nullptr || !(*id == guids::kLayerforge)) return nullptr;
    return static_cast<ILayerforge*>(&layerforge);
}
