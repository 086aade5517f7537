#include "host/runner/render_options.h"

#include <gtest/gtest.h>

namespace {

bool Parse(std::vector<std::string> args, host::RenderOptions* options, std::string* error) {
    return host::ParseRenderOptions(args, options, error);
}

TEST(RenderOptions, DefaultsAndEveryOption) {
    host::RenderOptions o;
    std::string error;
    ASSERT_TRUE(Parse({}, &o, &error));
    EXPECT_EQ(40u, o.frameStepMs);
    EXPECT_FALSE(o.loopMusic);
    EXPECT_TRUE(o.hostSound);
    EXPECT_EQ("Prelo", o.demoName);

    ASSERT_TRUE(Parse({"--assets",
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
                       "--realtime"},
                      &o, &error))
        << error;
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
    EXPECT_TRUE(o.realTime);

    // The last of --fps and --step holds.
    ASSERT_TRUE(Parse({"--fps", "60", "--step", "20"}, &o, &error));
    EXPECT_EQ(20u, o.frameStepMs);
    EXPECT_EQ(0u, o.framesPerSecond);
}

TEST(RenderOptions, RefusesWithAReasonAndKeepsTheOldOptions) {
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"},
        {"--step"},
        {"--step", "0"},
        {"--step", "-5"},
        {"--stop", "4294967296"},
        {"--fps", "0"},
        {"--capture", "1,,2"},
        {"--capture", "1,x"},
        {"--capture"},
        {"--assets", ""},
        {"--frames", "12abc"},
        {"--every", "99999999999"},
    };
    for (const auto& args : bad) {
        host::RenderOptions o;
        o.stopAfterMs = 77;
        std::string error;
        EXPECT_FALSE(Parse(args, &o, &error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
        EXPECT_EQ(77u, o.stopAfterMs);
    }
}

}  // namespace
