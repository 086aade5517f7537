#include "platform/module.h"

#include <cstring>
#include <list>
#include <string>

#include "platform/system_failure.h"

namespace platform {
namespace {

struct BuiltInModule {
    std::string name;
    const BuiltInExport* exports;
    size_t count;
    int loads;  // LoadModule calls not yet matched by UnloadModule
};

// Few modules, registered once at start-up; a list keeps the handles (their addresses) stable.
std::list<BuiltInModule>& Modules() {
    static std::list<BuiltInModule> modules;
    return modules;
}

BuiltInModule* Named(const std::string& name) {
    for (BuiltInModule& module : Modules())
        if (module.name == name) return &module;
    return nullptr;
}

}  // namespace

void RegisterBuiltInModule(const char* name, const BuiltInExport* exports, size_t count) {
    if (name == nullptr) return;
    if (BuiltInModule* known = Named(name)) {
        known->exports = exports;
        known->count = count;
        return;
    }
    Modules().push_back(BuiltInModule{name, exports, count, 0});
}

const char* ModuleSuffix() { return ""; }

ModuleHandle FindLoadedModule(const char* name) {
    if (name == nullptr) return nullptr;
    BuiltInModule* module = Named(name);
    return module != nullptr && module->loads > 0 ? module : nullptr;
}

void* FindExport(ModuleHandle handle, const char* name) {
    if (handle == nullptr || name == nullptr) return nullptr;
    const BuiltInModule* module = static_cast<const BuiltInModule*>(handle);
    for (size_t i = 0; i < module->count; ++i)
        if (std::strcmp(module->exports[i].name, name) == 0) return module->exports[i].function;
    return nullptr;
}

ModuleHandle LoadModule(const char* path) {
    if (path == nullptr) return nullptr;
    std::string name = path;
    const size_t slash = name.find_last_of('/');
    if (slash != std::string::npos) name.erase(0, slash + 1);
    BuiltInModule* module = Named(name);
    if (module == nullptr) {
        detail::RecordSystemFailureText("LoadModule", ("no module named " + name + " is built in").c_str());
        return nullptr;
    }
    ++module->loads;
    return module;
}

void UnloadModule(ModuleHandle handle) {
    BuiltInModule* module = static_cast<BuiltInModule*>(handle);
    if (module != nullptr && module->loads > 0) --module->loads;
}

}  // namespace platform
