#include "host/layerforge/layerforge.h"
#include "interfaces/guids.h"
#include "interfaces/module_export.h"

namespace {
host::Layerforge factory;
}

MODULE_EXPORT void* CreateInterface(const Guid* id) {
    if (id == nullptr || !SameGuid(*id, guids::kLayerforge)) return nullptr;
    return static_cast<ILayerforge*>(&factory);
}
