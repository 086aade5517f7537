// The module's entry points, called by page.js.
#include <emscripten.h>

#include "host/web/page_play.h"
#include "host/web/page_render.h"
#include "platform/keys.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE int PreloPlay(const char* folder, int demoPlaysMusic, int keyCancel, int loopMusic) {
    web::PlaySettings settings;
    settings.assetsFolder = folder != nullptr ? folder : "";
    settings.demoPlaysMusic = demoPlaysMusic != 0;
    settings.keyCancel = keyCancel != 0;
    settings.loopMusic = loopMusic != 0;
    return static_cast<int>(web::PlayInPage(settings));
}

EMSCRIPTEN_KEEPALIVE int PreloRender(const char* arguments) {
    return web::RenderOnVirtualClock(arguments != nullptr ? arguments : "");
}

EMSCRIPTEN_KEEPALIVE int PreloBenchmark(const char* arguments) {
    return web::BenchmarkScenes(arguments != nullptr ? arguments : "");
}

EMSCRIPTEN_KEEPALIVE void PreloKey(int virtualKey, int down) { platform::SetKeyDown(virtualKey, down != 0); }

EMSCRIPTEN_KEEPALIVE void PreloPause(int paused) { web::SetPaused(paused != 0); }

}  // extern "C"
