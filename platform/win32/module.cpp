#include "platform/module.h"

#include <windows.h>

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
    return path == nullptr ? nullptr : reinterpret_cast<ModuleHandle>(::LoadLibraryA(path));
}

void UnloadModule(ModuleHandle module) {
    if (module != nullptr) ::FreeLibrary(static_cast<HMODULE>(module));
}

}  // namespace platform
