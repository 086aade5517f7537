#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenes/call_format.h"
#include "tests/scenes/scene_harness.h"

using Calls = std::vector<std::string>;

inline const Pic kScreen = ScreenPic();

// A drawn frame: its calls followed by the Present of the whole screen.
inline Calls Drawn(Calls calls) {
    calls.push_back(Call("Present", 0, 0, 640, 480));
    return calls;
}

// Expects the pass of each scripted time, in order; passes[0] (set-up) is checked separately.
inline void ExpectFrames(const SceneRun& run, const std::vector<uint32_t>& times, const std::vector<Calls>& frames) {
    ASSERT_EQ(run.passes.size(), frames.size() + 1);
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(run.passes[i + 1], frames[i]) << "pass at t = " << (i < times.size() ? times[i] : 0);
    }
}
