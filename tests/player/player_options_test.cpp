#include "host/player/player_options.h"

#include <gtest/gtest.h>

namespace {

bool Parse(std::vector<std::string> args, player::PlayerOptions* options, std::string* error) {
    return player::ParsePlayerOptions(args, options, error);
}

}  // namespace

TEST(PlayerOptions, DefaultsLoopTheDemoInAWindow) {
    player::PlayerOptions options;
    std::string error;
    ASSERT_TRUE(Parse({}, &options, &error));
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
    std::string error;
    ASSERT_TRUE(Parse({"--no-loop", "--key-cancel", "--music",   "7",        "--assets",   "/a",    "--fullscreen",
                       "--scale",   "integer",      "--overlay", "--render", "out",        "--fps", "60",
                       "--from",    "5000",         "--to",      "9000",     "--no-video", "--png", "--no-sheet"},
                      &options, &error))
        << error;
    EXPECT_FALSE(options.loopMusic);
    EXPECT_TRUE(options.keyCancel);
    EXPECT_EQ(7, options.musicNumber);
    EXPECT_EQ("/a", options.assetsFolder);
    EXPECT_TRUE(options.fullscreen);
    EXPECT_EQ(player::Scaling::kInteger, options.scaling);
    EXPECT_TRUE(options.overlay);
    EXPECT_EQ("out", options.renderFolder);
    EXPECT_EQ(60u, options.fps);
    EXPECT_EQ(5000u, options.fromMs);
    EXPECT_EQ(9000u, options.toMs);
    EXPECT_FALSE(options.video);
    EXPECT_TRUE(options.pngFrames);
    EXPECT_FALSE(options.contactSheet);
}

TEST(PlayerOptions, RefusesWhatItCannotUseAndKeepsTheOldOptions) {
    const std::vector<std::vector<std::string>> bad = {
        {"--fps"},
        {"--fps", "0"},
        {"--fps", "241"},
        {"--fps", "3x"},
        {"--from", "-1"},
        {"--to", "abc"},
        {"--from", "5", "--to", "5"},
        {"--scale", "big"},
        {"--render", ""},
        {"--wat"},
        {"--music", "-"},
        {"--to", "99999999999"},
    };
    for (const auto& args : bad) {
        player::PlayerOptions options;
        options.fps = 12;
        std::string error;
        EXPECT_FALSE(Parse(args, &options, &error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
        EXPECT_EQ(12u, options.fps) << "a refused parse leaves the options alone";
    }
}
