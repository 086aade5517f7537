#pragma once

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

}  // namespace platform
