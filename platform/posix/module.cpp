#include "platform/module.h"

#include <dlfcn.h>

#include <string>

#include "platform/system_failure.h"

namespace platform {

const char* ModuleSuffix() { return ".so"; }

ModuleHandle FindLoadedModule(const char* name) {
    if (name == nullptr) return nullptr;
    std::string file = std::string(name) + ModuleSuffix();
    // RTLD_NOLOAD answers only for a module already in the process, as a module-handle lookup
    // does on Windows. The handle holds a reference, which we drop at once: the host owns the
    // module and keeps it loaded.
    void* handle = ::dlopen(file.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle != nullptr) ::dlclose(handle);
    return handle;
}

void* FindExport(ModuleHandle module, const char* name) {
    if (module == nullptr || name == nullptr) return nullptr;
    return ::dlsym(module, name);
}

ModuleHandle LoadModule(const char* path) {
    if (path == nullptr) return nullptr;
    void* module = ::dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) detail::RecordSystemFailureText("dlopen", ::dlerror());
    return module;
}

void UnloadModule(ModuleHandle module) {
    if (module != nullptr) ::dlclose(module);
}

}  // namespace platform
