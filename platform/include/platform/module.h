#pragma once

#include <cstddef>

namespace platform {

using ModuleHandle = void*;

// Finds a module already loaded into the process by its bare name ("Graph"); never loads one.
// On Linux the name maps to the shared object "<name>.so".
ModuleHandle FindLoadedModule(const char* name);

// The address of an exported function, or null.
void* FindExport(ModuleHandle module, const char* name);

// Loads a module by path (hosts and tests only; the demo never loads modules). Null on failure.
ModuleHandle LoadModule(const char* path);
void UnloadModule(ModuleHandle module);

// The platform's file name of a module: "Graph" -> "Graph.dll" or "Graph.so".
const char* ModuleSuffix();

#if defined(__EMSCRIPTEN__)
// The browser build links every module into the one program. The host names each module and its
// exports here before loading it; LoadModule then answers for a path ending in the bare name,
// and FindLoadedModule for a name loaded that way. The arrays are borrowed and must stay alive.
struct BuiltInExport {
    const char* name;
    void* function;
};
void RegisterBuiltInModule(const char* name, const BuiltInExport* exports, size_t count);
#endif

}  // namespace platform
