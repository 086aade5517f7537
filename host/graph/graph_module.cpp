#include "host/graph/graph.h"
#include "interfaces/guids.h"
#include "interfaces/module_export.h"

namespace {
host::Graph graph;
}

MODULE_EXPORT void* CreateInterface(const Guid* id) {
    if (id == nullptr || !SameGuid(*id, guids::kGraph)) return nullptr;
    return static_cast<IGraph*>(&graph);
}
