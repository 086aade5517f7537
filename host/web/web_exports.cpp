// The module's entry points, called by page.js.
#include <emscripten.h>

#include "host/web/page_play.h"
#include "host/web/page_render.h"
#include "platform/keys.h"

namespace {

// The tests' and the benchmark's headless runs (tests/web/harness.js).
web::VirtualClockRun RunOf(const char* assets, uint32_t stepMs, uint32_t stopMs, const char* captureTimes,
                           uint32_t startMs = 0) {
    web::VirtualClockRun run;
    run.assetsFolder = assets != nullptr ? assets : "";
    run.frameStepMs = stepMs;
    run.stopAfterMs = stopMs;
    run.captureTimes = captureTimes != nullptr ? captureTimes : "";
    run.startMs = startMs;
    return run;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int PreloPlay(const char* folder, int demoPlaysMusic, int keyCancel, int loopMusic,
                                   uint32_t startMs) {
    web::PlaySettings settings;
    settings.assetsFolder = folder != nullptr ? folder : "";
    settings.demoPlaysMusic = demoPlaysMusic != 0;
    settings.keyCancel = keyCancel != 0;
    settings.loopMusic = loopMusic != 0;
    settings.startMs = startMs;
    return static_cast<int>(web::PlayInPage(settings));
}

EMSCRIPTEN_KEEPALIVE int PreloRender(const char* assets, uint32_t stepMs, uint32_t stopMs, const char* captureTimes,
                                     uint32_t startMs) {
    return web::RenderOnVirtualClock(RunOf(assets, stepMs, stopMs, captureTimes, startMs));
}

EMSCRIPTEN_KEEPALIVE int PreloBenchmark(const char* assets, uint32_t stepMs, uint32_t stopMs) {
    return web::BenchmarkScenes(RunOf(assets, stepMs, stopMs, nullptr));
}

EMSCRIPTEN_KEEPALIVE void PreloKey(int virtualKey, int down) { platform::SetKeyDown(virtualKey, down != 0); }

EMSCRIPTEN_KEEPALIVE void PreloPause(int paused) { web::SetPaused(paused != 0); }

}  // extern "C"
