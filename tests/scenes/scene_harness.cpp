#include "tests/scenes/scene_harness.h"

#include "demo/base/bound_modules.h"
#include "demo/scenes/scene_table.h"
#include "demo/scenes/scenes.h"
#include "tests/scenes/call_format.h"
#include "tests/scenes/test_archive.h"

namespace {

constexpr const char* kArchiveName = "scene_test_pictures.zpx";
// Longer than the demo, so the music never ends during a test.
constexpr uint32_t kMusicLengthMs = 1000000;

}  // namespace

SceneHarness::SceneHarness() {
    screen.onPresent = [this](int32_t x, int32_t y, int32_t w, int32_t h) { log.Add(Call("Present", x, y, w, h)); };
    loop.eachCall = [this] { log.StartPass(); };
    // The scenes are played alone, without the demo's notify window: nothing to dispatch.
    loop.pumpMessages = false;
    graph.SetScreen(&screen);
    CurrentGraph() = &graph;
    CurrentLayerforge() = &layerforge;
    context.loop = &loop;
    context.clock = &clock;
    context.screen = &screen;
    context.BuildSchedule();
    BuildMultiplyTable(context.multiplyTable);
    context.hostSoundInUse = true;
    context.hostSound.clock = &clock;
    context.hostSound.lengthMs = kMusicLengthMs;
    if (WriteTestArchive(kArchiveName)) context.archive.Open(kArchiveName);
}

SceneHarness::~SceneHarness() {
    context.ReleaseAll();
    CurrentGraph() = nullptr;
    CurrentLayerforge() = nullptr;
}

SceneRun SceneHarness::Play(int32_t index, std::vector<uint32_t> times) {
    log.Reset();
    loop.SetScript(std::move(times));
    SceneRun run;
    run.result = RunScene(context, index);
    run.passes = log.Passes();
    return run;
}
