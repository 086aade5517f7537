#include "host/runner/render_options.h"

#include <gtest/gtest.h>

namespace {

TEST(RenderOptions, DefaultsAndEveryOption) {
    host::RenderOptions o;
    ASSERT_EQ(console::ParseOutcome::kRun, host::ParseRenderOptions({}, &o).kind);
    EXPECT_EQ(40u, o.frameStepMs);
    EXPECT_FALSE(o.loopMusic);
    EXPECT_EQ("Prelo", o.demoName);
    // The Windows host plays by default, in real time with the demo's own music heard.
    EXPECT_EQ(host::kPlaysByDefault, o.realTime);
    EXPECT_EQ(!host::kPlaysByDefault, o.hostSound);

    const console::ParseOutcome all = host::ParseRenderOptions({"--assets",
                                                                "a",
                                                                "--out",
                                                                "o",
                                                                "--fps",
                                                                "30",
                                                                "--stop",
                                                                "6000",
                                                                "--frames",
                                                                "9",
                                                                "--capture",
                                                                "5000,100,5000,0",
                                                                "--every",
                                                                "250",
                                                                "--loop",
                                                                "--key-cancel",
                                                                "--no-host-sound",
                                                                "--music-length",
                                                                "7000",
                                                                "--visible",
                                                                "--demo",
                                                                "Other",
                                                                "--headless"},
                                                               &o);
    ASSERT_EQ(console::ParseOutcome::kRun, all.kind) << all.text;
    EXPECT_EQ("a", o.assetsFolder);
    EXPECT_EQ("o", o.outFolder);
    EXPECT_EQ(33u, o.frameStepMs);
    EXPECT_EQ(30u, o.framesPerSecond);
    EXPECT_EQ(6000u, o.stopAfterMs);
    EXPECT_EQ(9u, o.maxFrames);
    EXPECT_EQ((std::vector<uint32_t>{0, 100, 5000}), o.captureTimes);
    EXPECT_EQ(250u, o.captureEveryMs);
    EXPECT_TRUE(o.loopMusic && o.keyCancel && o.visibleWindow);
    EXPECT_FALSE(o.hostSound);
    EXPECT_EQ(7000u, o.musicLengthMs);
    EXPECT_EQ("Other", o.demoName);
    EXPECT_FALSE(o.realTime);

    // The last of --fps and --step holds, and of --realtime and --headless.
    ASSERT_EQ(console::ParseOutcome::kRun,
              host::ParseRenderOptions({"--fps", "60", "--step", "20", "--headless", "--realtime"}, &o).kind);
    EXPECT_EQ(20u, o.frameStepMs);
    EXPECT_EQ(0u, o.framesPerSecond);
    EXPECT_TRUE(o.realTime);
    EXPECT_FALSE(o.hostSound);  // in real time the demo's own music plays
}

TEST(RenderOptions, ARefusalLeavesTheOptionsAlone) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--stop", "5", "--step", "0"},
                                                 std::vector<std::string>{"--stop", "5", "--capture", "1,,2"}}) {
        host::RenderOptions o;
        o.stopAfterMs = 77;
        const console::ParseOutcome outcome = host::ParseRenderOptions(args, &o);
        EXPECT_EQ(console::ParseOutcome::kRefused, outcome.kind) << args[2];
        EXPECT_EQ(std::string::npos, outcome.text.find('\n')) << outcome.text;
        EXPECT_EQ(77u, o.stopAfterMs);
    }
}

}  // namespace
