#pragma once

// Marks a function as an undecorated, caller-pops export of a module.
#if defined(_WIN32)
#define MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

struct Guid;

// The signature every drawing module exports as CreateInterface.
using CreateInterfaceFn = void* (*)(const Guid* id);
