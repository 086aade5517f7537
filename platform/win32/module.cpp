#include "platform/module.h"

#include <windows.h>

#include "platform/system_failure.h"

namespace platform {

const char* ModuleSuffix() { return ".dll"; }

ModuleHandle FindLoadedModule(const char* name) {
    return name == nullptr ? nullptr : reinterpret_cast<ModuleHandle>(::GetModuleHandleA(name));
}

void* FindExport(ModuleHandle module, const char* name) {
    if (module == nullptr || name == nullptr) return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), name));
}

ModuleHandle LoadModule(const char* path) {
    if (path == nullptr) return nullptr;
    HMODULE module = ::LoadLibraryA(path);
    if (module == nullptr) detail::RecordSystemFailure("LoadLibraryA");
    return reinterpret_cast<ModuleHandle>(module);
}

void UnloadModule(ModuleHandle module) {
    if (module != nullptr) ::FreeLibrary(static_cast<HMODULE>(module));
}

}  // namespace platform
