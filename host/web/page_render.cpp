#include "host/web/page_render.h"

#include <emscripten.h>

#include <cstdio>
#include <vector>

#include "demo/runtime/schedule.h"
#include "host/kit/host_kit.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "host/runner/frame_recorder.h"
#include "host/runner/render_options.h"
#include "host/runner/render_run.h"
#include "host/runner/time_list.h"
#include "host/web/built_in_modules.h"
#include "host/web/page_bridge.h"
#include "host/web/rgba_frame.h"

namespace web {
namespace {

using FrameHook = std::function<bool(host::HostKit& kit, uint32_t nowMs)>;

// prelo-render's flow, on the built-in modules; hook sees every frame.
int Render(const VirtualClockRun& run, const FrameHook& hook) {
    host::RenderOptions options;
    options.assetsFolder = run.assetsFolder;
    options.frameStepMs = run.frameStepMs;
    options.stopAfterMs = run.stopAfterMs;
    if (run.frameStepMs == 0) {
        std::fprintf(stderr, "a frame's step of the clock must be at least 1 ms\n");
        return 1;
    }
    if (run.startMs >= run.stopAfterMs) {
        std::fprintf(stderr, "the run would stop at %u ms, before it starts at %u ms\n", run.stopAfterMs, run.startMs);
        return 1;
    }
    options.stopAfterMs = run.stopAfterMs - run.startMs;  // the loop counts from its own start
    if (!run.captureTimes.empty() && !host::ParseTimeList(run.captureTimes, &options.captureTimes)) {
        std::fprintf(stderr, "the capture times are not times in ms separated by commas: %s\n",
                     run.captureTimes.c_str());
        return 1;
    }
    std::string error;
    RegisterBuiltInModules();
    host::DemoLibraries libraries;
    if (!libraries.Load("", options.demoName.c_str(), &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    host::HostKitSettings settings = host::KitSettingsFor(options, options.assetsFolder);
    settings.headless = true;  // the page's own clock: the browser never blocks for a frame
    settings.startMs = run.startMs;
    settings.sound.startAtMs = run.startMs;
    host::HostKit kit(settings);
    host::FrameRecorder recorder(kit.Window(), options.captureTimes, options.captureEveryMs, "", stdout);
    kit.Loop().SetFrameCallback([&](uint32_t sinceStartMs) {
        const uint32_t nowMs = run.startMs + sinceStartMs;
        return recorder.OnFrame(nowMs) && hook(kit, nowMs);
    });
    host::DemoRunReport report;
    host::RunDemo(kit, libraries, host::RunOptionsFor(options, options.assetsFolder), &report);
    std::fflush(stdout);
    if (!report.initSucceeded) {
        std::fprintf(stderr, "the demo did not start: %s\n", report.error.c_str());
        return 3;
    }
    return 0;
}

int SceneAt(uint32_t ms) {
    for (int scene = 0; scene < kSceneCount; ++scene)
        if (ms < kSceneEndsMs[scene]) return scene;
    return kSceneCount - 1;
}

}  // namespace

int RenderOnVirtualClock(const VirtualClockRun& run) {
    return Render(run, [](host::HostKit&, uint32_t) { return true; });
}

// A frame's time is from one callback to the next: the demo draws the frame between them, and
// the callback hands it to the page as a played frame is.
int BenchmarkScenes(const VirtualClockRun& run) {
    RgbaFrame frame;
    std::vector<double> spentMs(kSceneCount, 0.0);
    std::vector<int> frames(kSceneCount, 0);
    double last = emscripten_get_now();
    uint32_t lastMs = 0;
    bool first = true;
    const int status = Render(run, [&](host::HostKit& kit, uint32_t nowMs) {
        kit.Window().Capture();
        int pitch = 0;
        if (const uint8_t* pixels = kit.Window().Framebuffer(&pitch)) PresentFrame(frame.From(pixels, pitch));
        const double now = emscripten_get_now();
        if (!first) {
            spentMs[SceneAt(lastMs)] += now - last;
            ++frames[SceneAt(lastMs)];
        }
        first = false;
        last = now;
        lastMs = nowMs;
        return true;
    });
    if (status != 0) return status;
    for (int scene = 0; scene < kSceneCount; ++scene) {
        const double fps = spentMs[scene] > 0 ? frames[scene] * 1000.0 / spentMs[scene] : 0.0;
        std::printf("scene %d %.0f\n", scene, fps);
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace web
