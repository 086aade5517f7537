#pragma once

#include <cstdint>
#include <string>

#include "host/runner/install_layout.h"
#include "interfaces/host.h"
#include "platform/module.h"

namespace host {

// The demo's exports, by their undecorated caller-pops names.
using InitFn = void (*)(IHostServices* host, IHostLoop* loop, IHostClock* clock, uint16_t* result);
using SetFlagFn = bool (*)(int32_t value);
using RunFn = void (*)();

// Graph, Layerforge and the demo library, loaded from one folder as a game host loads them:
// the two drawing modules first, so the demo finds them among the loaded modules during Init.
// Unloads in reverse order, the demo first, because its teardown releases surfaces whose code
// lives in Layerforge.
class DemoLibraries {
public:
    DemoLibraries() = default;
    ~DemoLibraries() { Unload(); }
    DemoLibraries(const DemoLibraries&) = delete;
    DemoLibraries& operator=(const DemoLibraries&) = delete;

    // folder empty: the platform's own search (on Windows the program's folder comes first).
    // demoName is the demo library's bare name, "Prelo" for the real one. On failure *error
    // names what was missing and nothing stays loaded.
    bool Load(const std::string& folder, const char* demoName, std::string* error);
    void Unload();

    InitFn Init() const { return init_; }
    SetFlagFn SetKeyCancelFlag() const { return setKeyCancel_; }
    SetFlagFn SetLoopFlag() const { return setLoop_; }
    RunFn Run() const { return run_; }

private:
    platform::ModuleHandle graph_ = nullptr;
    platform::ModuleHandle layerforge_ = nullptr;
    platform::ModuleHandle demo_ = nullptr;
    InitFn init_ = nullptr;
    SetFlagFn setKeyCancel_ = nullptr;
    SetFlagFn setLoop_ = nullptr;
    RunFn run_ = nullptr;
};

}  // namespace host
