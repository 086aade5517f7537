#include "demo/runtime/module_binding.h"

#include "demo/base/bound_modules.h"
#include "demo/base/show_message.h"
#include "interfaces/graph.h"
#include "interfaces/guids.h"
#include "interfaces/host.h"
#include "interfaces/layerforge.h"
#include "interfaces/module_export.h"

bool ModuleBinding::Acquire(const char* moduleName, const Guid& id) {
    module = platform::FindLoadedModule(moduleName);
    if (module == nullptr) {
        ShowMessage("ＤＬＬ【 %s 】の読み込みに失敗しました", moduleName);
        return false;
    }
    name.Assign(moduleName);
    guid = id;
    void* created = nullptr;
    auto createInterface = reinterpret_cast<CreateInterfaceFn>(platform::FindExport(module, "CreateInterface"));
    if (createInterface == nullptr) {
        ShowMessage("CreateInterfaceの取得に失敗しました");
    } else {
        created = createInterface(&guid);
        if (created == nullptr) ShowMessage("CreateInterfaceに失敗しました");
    }
    iface = created;
    return iface != nullptr;
}

void ModuleBinding::Forget() {
    iface = nullptr;
    module = nullptr;
}

bool BindGraph(ModuleBinding& binding, IHostServices* host) {
    if (!binding.Acquire("Graph", guids::kGraph)) return false;
    auto* graph = static_cast<IGraph*>(binding.iface);
    CurrentGraph() = graph;
    if (!graph->Initialize()) return false;
    // A host without a graph context cannot draw for us; refusing here beats handing Graph a
    // context it would follow blindly.
    auto* contextSource =
        host != nullptr ? static_cast<IHostGraphContext*>(host->QueryService(&guids::kHostGraphContext)) : nullptr;
    if (contextSource == nullptr) return false;
    graph->Attach(contextSource->Context());
    if (!BuildMultiplyTable(GraphMultiplyTable())) return false;
    return BuildScreenTable(GraphScreenTable(), GraphMultiplyTable());
}

void UnbindGraph(ModuleBinding& binding) {
    if (CurrentGraph() != nullptr) {
        binding.Forget();
        CurrentGraph() = nullptr;
    }
    GraphMultiplyTable().Free();
    GraphScreenTable().Free();
}

bool BindLayerforge(ModuleBinding& binding) {
    if (!binding.Acquire("Layerforge", guids::kLayerforge)) return false;
    CurrentLayerforge() = static_cast<ILayerforge*>(binding.iface);
    return true;
}

void UnbindLayerforge(ModuleBinding& binding) {
    binding.Forget();
    CurrentLayerforge() = nullptr;
}
