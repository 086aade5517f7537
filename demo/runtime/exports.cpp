#include <cstdint>

#include "demo/runtime/demo_context.h"
#include "interfaces/module_export.h"

class IHostClock;
class IHostLoop;
class IHostServices;

namespace {

// The one demo of the library, built when the library is loaded and destroyed when it unloads.
DemoContext demo;

}  // namespace

MODULE_EXPORT void Init(IHostServices* host, IHostLoop* loop, IHostClock* clock, uint16_t* result) {
    const bool ready = demo.Setup(host, loop, clock);
    if (result != nullptr) *result = ready ? 1 : 0;
}

MODULE_EXPORT bool SetKeyCancelFlag(int32_t flag) {
    demo.keyCancel = flag != 0;
    return demo.keyCancel;
}

MODULE_EXPORT bool SetLoopFlag(int32_t flag) {
    demo.loopMusic = flag != 0;
    return demo.loopMusic;
}

MODULE_EXPORT void Run() { demo.Run(); }
