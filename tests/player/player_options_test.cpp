#include "host/player/player_options.h"

#include <gtest/gtest.h>

namespace {

console::ParseOutcome::Kind Parse(std::vector<std::string> args, player::PlayerOptions* options) {
    return player::ParsePlayerOptions(args, options).kind;
}

TEST(PlayerOptions, DefaultsLoopTheDemoInAWindow) {
    player::PlayerOptions options;
    ASSERT_EQ(console::ParseOutcome::kRun, Parse({}, &options));
    EXPECT_TRUE(options.loopMusic);
    EXPECT_FALSE(options.keyCancel);
    EXPECT_EQ(-1, options.musicNumber);
    EXPECT_TRUE(options.renderFolder.empty());
    EXPECT_EQ(30u, options.fps);
    EXPECT_EQ(0u, options.fromMs);
    EXPECT_EQ(124634u, options.toMs);
}

TEST(PlayerOptions, EveryOptionTakesEffect) {
    player::PlayerOptions options;
    ASSERT_EQ(console::ParseOutcome::kRun, Parse({"--no-loop",
                                                  "--key-cancel",
                                                  "--music",
                                                  "-7",
                                                  "--assets",
                                                  "/a",
                                                  "--fullscreen",
                                                  "--scale",
                                                  "integer",
                                                  "--overlay",
                                                  "--print-overlay",
                                                  "--render",
                                                  "out",
                                                  "--fps",
                                                  "1000",
                                                  "--from",
                                                  "5000",
                                                  "--to",
                                                  "9000",
                                                  "--no-video",
                                                  "--png",
                                                  "--no-sheet"},
                                                 &options));
    EXPECT_FALSE(options.loopMusic);
    EXPECT_TRUE(options.keyCancel);
    EXPECT_EQ(-7, options.musicNumber);
    EXPECT_EQ("/a", options.assetsFolder);
    EXPECT_TRUE(options.fullscreen);
    EXPECT_EQ(player::Scaling::kInteger, options.scaling);
    EXPECT_TRUE(options.overlay);
    EXPECT_TRUE(options.overlayToTerminal);
    EXPECT_EQ("out", options.renderFolder);
    EXPECT_EQ(1000u, options.fps);
    EXPECT_EQ(5000u, options.fromMs);
    EXPECT_EQ(9000u, options.toMs);
    EXPECT_FALSE(options.video);
    EXPECT_TRUE(options.pngFrames);
    EXPECT_FALSE(options.contactSheet);
}

// The remembered settings are what the command line is read over: a refusal keeps them.
TEST(PlayerOptions, ARefusalLeavesTheRememberedOptionsAlone) {
    player::PlayerOptions options;
    options.scaling = player::Scaling::kInteger;
    EXPECT_EQ(console::ParseOutcome::kRefused, Parse({"--scale", "smooth", "--from", "5", "--to", "5"}, &options));
    EXPECT_EQ(player::Scaling::kInteger, options.scaling);
}

// A watch needs the folder it watches, and a render, which plays on no clock a person sees,
// has nothing to restart.
TEST(PlayerOptions, WatchGoesWithOverrideAndNotWithRender) {
    player::PlayerOptions options;
    ASSERT_EQ(console::ParseOutcome::kRun, Parse({"--override", "d", "--watch"}, &options));
    EXPECT_TRUE(options.watch);
    const std::vector<std::vector<std::string>> refused = {{"--watch"},
                                                           {"--override", "d", "--watch", "--render", "out"}};
    for (const std::vector<std::string>& args : refused) {
        player::PlayerOptions untouched;
        const console::ParseOutcome outcome = player::ParsePlayerOptions(args, &untouched);
        EXPECT_EQ(console::ParseOutcome::kRefused, outcome.kind) << args.size();
        EXPECT_EQ(std::string::npos, outcome.text.find('\n')) << outcome.text;
        EXPECT_NE(std::string::npos, outcome.text.find("--watch")) << outcome.text;
        EXPECT_FALSE(untouched.watch);
    }
}

}  // namespace
