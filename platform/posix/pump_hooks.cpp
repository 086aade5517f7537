#include "pump_hooks.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace platform::detail {
namespace {

struct Hooks {
    std::mutex lock;
    std::vector<PumpHook> list;
};

// Never destroyed: a module's destructor at exit may still pump.
Hooks& State() {
    static Hooks* hooks = new Hooks;
    return *hooks;
}

}  // namespace

void AddPumpHook(PumpHook hook) {
    Hooks& hooks = State();
    std::lock_guard<std::mutex> hold(hooks.lock);
    if (std::find(hooks.list.begin(), hooks.list.end(), hook) == hooks.list.end()) hooks.list.push_back(hook);
}

void RunPumpHooks() {
    std::vector<PumpHook> copy;
    {
        Hooks& hooks = State();
        std::lock_guard<std::mutex> hold(hooks.lock);
        copy = hooks.list;
    }
    for (PumpHook hook : copy) hook();
}

}  // namespace platform::detail
