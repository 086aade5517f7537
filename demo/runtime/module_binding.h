#pragma once

#include "demo/base/small_string.h"
#include "interfaces/guid.h"
#include "platform/module.h"

class IHostServices;

// A module the host has already loaded, found by name, and the interface its CreateInterface
// export handed out. Neither the module nor the interface is owned: unbinding only forgets them.
struct ModuleBinding {
    platform::ModuleHandle module = nullptr;
    Guid guid{};
    void* iface = nullptr;
    SmallString name;

    ModuleBinding() = default;
    ~ModuleBinding() { name.Free(); }
    ModuleBinding(const ModuleBinding&) = delete;
    ModuleBinding& operator=(const ModuleBinding&) = delete;

    // Finds the module and asks it for the interface; shows a message when the module or its
    // export is missing or the export refuses. The interface lands in iface.
    bool Acquire(const char* moduleName, const Guid& id);
    void Forget();
};

// Binds "Graph": the interface, its initialisation and graph context, and the process-wide
// tables the effects read. False on any failure; the graph stays usable only on success.
bool BindGraph(ModuleBinding& binding, IHostServices* host);
// Forgets Graph and frees the process-wide tables; safe to repeat.
void UnbindGraph(ModuleBinding& binding);
bool BindLayerforge(ModuleBinding& binding);
void UnbindLayerforge(ModuleBinding& binding);
