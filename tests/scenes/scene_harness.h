#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/runtime/demo_context.h"
#include "tests/scenes/fake_host.h"
#include "tests/support/host_doubles.h"

// What one scene did when played against a script of music times.
struct SceneRun {
    bool result = false;
    // Entry 0: calls before the first frame (loading, set-up); entry i: the pass after the i-th
    // KeepRunning. A script that ends inside the window ends with a pass where KeepRunning said
    // stop, which holds no calls.
    std::vector<std::vector<std::string>> passes;
};

// A demo context wired to the test doubles: music time is the virtual clock, which the loop sets
// to each time of the script, read through the host sound player; drawing is recorded, pictures
// come from the test archive.
class SceneHarness {
public:
    SceneHarness();
    ~SceneHarness();

    SceneRun Play(int32_t index, std::vector<uint32_t> times);

    // The start, in the time axis of the script, of scene index's window.
    static uint32_t StartOf(int32_t index) { return SceneStartMs(index); }

    ScopedVirtualClock virtualClock{0};
    CallLog log;
    FakeScreen screen{true};
    FakeClock clock;
    FakeLoop loop;
    RecordingGraph graph{&log};
    CountingLayerforge layerforge;
    DemoContext context;
};
