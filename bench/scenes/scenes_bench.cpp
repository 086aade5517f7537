// Frames per second of each scene at 640 x 480 on the reference host's drawing module, and the
// time to render the whole demo at 60 frames per second. Music time is virtual: each frame moves
// it on by one frame step, so only drawing is measured.
#include <benchmark/benchmark.h>

#include "bench/scenes/bench_host.h"
#include "demo/scenes/scene_table.h"

namespace {

constexpr uint32_t kSixtyHzMs = 17;

// One iteration is one frame of the scene; the time walks through its window and wraps, so
// every phase is measured. Loading the pictures happens before the timing starts.
void BM_SceneFrame(benchmark::State& state) {
    const auto index = static_cast<int32_t>(state.range(0));
    BenchDemo demo(PRELO_SAMPLE_ASSETS_DIR);
    if (!demo.Valid()) {
        state.SkipWithError("no sample assets (build sample_assets)");
        return;
    }
    const ScheduleEntry window = demo.context.schedule[index];
    const uint32_t length = window.endMs - window.startMs;
    uint32_t elapsed = 0;
    bool finished = false;
    demo.clock.nowMs = window.startMs;
    demo.loop.next = [&]() {
        if (!state.KeepRunning()) {
            finished = true;
            return false;
        }
        demo.clock.nowMs = window.startMs + elapsed;
        elapsed = (elapsed + kSixtyHzMs) % length;
        return true;
    };
    demo.context.hostSoundInUse = true;
    demo.context.hostSound.lengthMs = UINT32_MAX;
    RunScene(demo.context, index);
    if (!finished) {
        state.SkipWithError("the scene ended the demo");
        while (state.KeepRunning()) {
        }
        return;
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SceneFrame)->DenseRange(0, 11)->Unit(benchmark::kMillisecond);

// The whole timeline, 0 to kTimelineEndMs, one frame every 1000 / 60 ms, through the scheduler.
void BM_WholeDemoAtSixtyFps(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        BenchDemo demo(PRELO_SAMPLE_ASSETS_DIR);
        if (!demo.Valid()) {
            state.SkipWithError("no sample assets (build sample_assets)");
            return;
        }
        uint32_t frame = 0;
        demo.loop.next = [&]() {
            demo.clock.nowMs = 1 + frame * 1000 / 60;
            ++frame;
            return demo.clock.nowMs < kTimelineEndMs;
        };
        demo.clock.nowMs = 1;
        state.ResumeTiming();
        demo.context.RunSchedule();
        state.counters["frames"] = frame;
    }
}
BENCHMARK(BM_WholeDemoAtSixtyFps)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
