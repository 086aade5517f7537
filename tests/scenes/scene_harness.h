#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/runtime/demo_context.h"
#include "tests/scenes/fake_host.h"

// What one scene did when played against a script of music times.
struct SceneRun {
    bool result = false;
    // Entry 0: calls before the first frame (loading, set-up); entry i: the pass after the i-th
    // KeepRunning. A script that ends inside the window ends with a pass where KeepRunning said
    // stop, which holds no calls.
    std::vector<std::vector<std::string>> passes;
};

// A demo context wired to the test doubles: music time comes from the scripted clock through
// the host sound player, drawing is recorded, pictures come from the test archive.
class SceneHarness {
public:
    SceneHarness();
    ~SceneHarness();

    SceneRun Play(int32_t index, std::vector<uint32_t> times);

    // The start, in the time axis of the script, of scene index's window.
    static uint32_t StartOf(int32_t index) { return SceneStartMs(index); }

    CallLog log;
    MemoryScreen screen{&log};
    ScriptedClock clock;
    ScriptedLoop loop{&log, &clock};
    RecordingGraph graph{&log};
    CountingLayerforge layerforge;
    DemoContext context;
};
