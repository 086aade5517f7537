#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "demo/runtime/demo_context.h"
#include "tests/support/host_doubles.h"
#include "tests/support/test_files.h"

// A demo context wired to a fake host by hand (no modules, archive or movie), whose scenes run
// the common frame loop and record what they saw.
class Timeline : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // useMci: the host refuses the music, so it plays from "Vuvi01.wav" through MCI.
    void Ready(bool useMci, uint32_t musicMs = 125000);
    std::vector<int32_t> ScenesInOrder() const;

    ScopedWorkFolder folder;
    MessageCapture capture;
    FakeHost host;
    DemoContext context;
    std::vector<int32_t> scenes;   // index at each dispatch
    std::vector<uint32_t> frames;  // nowMs of every frame a scene drew

    static Timeline* current;
    static bool RecordingScene(DemoContext& context, int32_t index);
};
