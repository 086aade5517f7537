#include "host/web/built_in_modules.h"

#include "host/graph/graph.h"
#include "host/layerforge/layerforge.h"
#include "interfaces/guids.h"
#include "interfaces/host.h"
#include "interfaces/module_export.h"
#include "platform/module.h"

// The demo's own exports, linked in from its archive.
MODULE_EXPORT void Init(IHostServices* host, IHostLoop* loop, IHostClock* clock, uint16_t* result);
MODULE_EXPORT bool SetKeyCancelFlag(int32_t flag);
MODULE_EXPORT bool SetLoopFlag(int32_t flag);
MODULE_EXPORT void Run();

namespace web {
namespace {

// Each drawing module exports CreateInterface under that one name, which a single program can
// hold only once: here each gets its own function, found through the module table instead.
host::Graph graph;
host::Layerforge layerforge;

void* CreateGraphInterface(const Guid* id) {
    if (id == nullptr || !SameGuid(*id, guids::kGraph)) return nullptr;
    return static_cast<IGraph*>(&graph);
}

void* CreateLayerforgeInterface(const Guid* id) {
    if (id == nullptr || !SameGuid(*id, guids::kLayerforge)) return nullptr;
    return static_cast<ILayerforge*>(&layerforge);
}

const platform::BuiltInExport kGraphExports[] = {{"CreateInterface", reinterpret_cast<void*>(&CreateGraphInterface)}};
const platform::BuiltInExport kLayerforgeExports[] = {
    {"CreateInterface", reinterpret_cast<void*>(&CreateLayerforgeInterface)}};
const platform::BuiltInExport kDemoExports[] = {{"Init", reinterpret_cast<void*>(&Init)},
                                                {"SetKeyCancelFlag", reinterpret_cast<void*>(&SetKeyCancelFlag)},
                                                {"SetLoopFlag", reinterpret_cast<void*>(&SetLoopFlag)},
                                                {"Run", reinterpret_cast<void*>(&Run)}};

}  // namespace

void RegisterBuiltInModules() {
    platform::RegisterBuiltInModule("Graph", kGraphExports, 1);
    platform::RegisterBuiltInModule("Layerforge", kLayerforgeExports, 1);
    platform::RegisterBuiltInModule("Prelo", kDemoExports, 4);
}

}  // namespace web
