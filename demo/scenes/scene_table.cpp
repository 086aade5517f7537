#include "demo/runtime/demo_context.h"
#include "demo/runtime/graph_tables.h"
#include "demo/runtime/scene_dispatch.h"
#include "interfaces/graph.h"
#include "interfaces/host.h"

namespace {

// Until the scenes draw their own pictures, every window shows a black screen with the common
// frame loop, so the whole timeline can be walked.
bool RunBlankScene(DemoContext& context, int32_t index) {
    const ScheduleEntry window = context.schedule[index];
    for (;;) {
        if (!context.loop->KeepRunning()) {
            context.ReleaseAll();
            return false;
        }
        if (!context.PaceFrame()) return false;
        const uint32_t t = context.nowMs;
        if (t < window.startMs || t >= window.endMs) return true;
        if (currentGraph != nullptr)
            currentGraph->FillRect(context.screen, 0, 0, context.screenWidth, context.screenHeight, 0, 0, 0);
        context.screen->Present(0, 0, context.screenWidth, context.screenHeight);
    }
}

}  // namespace

bool RunScene(DemoContext& context, int32_t index) {
    if (index < 0 || index >= context.scheduleCount || context.schedule == nullptr) return true;
    return RunBlankScene(context, index);
}
