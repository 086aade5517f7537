#include <gtest/gtest.h>

#include <algorithm>

#include "host/player/render_pacer.h"
#include "host/player/timeline.h"
#include "tools/assets/progress.h"

TEST(FrameTimes, CountAndTimesFollowTheRate) {
    auto times = player::FrameTimes(0, 1000, 30);
    ASSERT_EQ(30u, times.size());
    EXPECT_EQ(0u, times[0]);
    EXPECT_EQ(33u, times[1]);
    EXPECT_EQ(66u, times[2]);
    EXPECT_EQ(966u, times[29]);  // floor(29000 / 30): no drift from rounding each step
    EXPECT_EQ(3740u, player::FrameTimes(0, 124634, 30).size());
    times = player::FrameTimes(5000, 5100, 60);
    EXPECT_EQ((std::vector<uint32_t>{5000, 5016, 5033, 5050, 5066, 5083}), times);
    EXPECT_TRUE(player::FrameTimes(10, 10, 30).empty());
    // A frame step lands on the next of these times, never on the one it stands on.
    for (uint32_t t : {0u, 1u, 32u, 33u, 65u, 966u, 124633u}) {
        const auto all = player::FrameTimes(0, t + 100, 30);
        const uint32_t next = *std::upper_bound(all.begin(), all.end(), t);
        EXPECT_EQ(next, player::NextFrameTime(t, 30)) << t;
    }
}

TEST(Timeline, SceneWindowsAndPicks) {
    EXPECT_EQ(0, player::SceneAt(0));
    EXPECT_EQ(0, player::SceneAt(4999));
    EXPECT_EQ(1, player::SceneAt(5000));
    EXPECT_EQ(11, player::SceneAt(124633));
    EXPECT_EQ(-1, player::SceneAt(124634));
    const auto cells = player::SheetCells();
    ASSERT_EQ(36u, cells.size());
    EXPECT_EQ(10, cells[31].scene);
    EXPECT_EQ(64737u + 21500u, cells[31].targetMs);  // the movie's middle

    const std::vector<uint32_t> times = {0, 40, 80, 120};
    EXPECT_EQ(40, player::PickFrame(times, 21, 0, 200));
    EXPECT_EQ(120, player::PickFrame(times, 199, 0, 200));   // none after: the last inside
    EXPECT_EQ(-1, player::PickFrame(times, 130, 121, 200));  // no frame in the window
    EXPECT_EQ(80, player::PickFrame(times, 90, 50, 100));    // the one after lies outside
}

TEST(RenderPacer, WaitsForTheMusicThenForEachSceneToDraw) {
    // Frames at 4900, 5000 and 5100: the second crosses from scene 0 into scene 1.
    player::RenderPacer pacer({4900, 5000, 5100});
    auto step = pacer.OnKeepRunning(0);
    EXPECT_EQ(1u, step.advanceMs);  // nudges until the music reports a position
    EXPECT_FALSE(step.capture);
    // The scheduler's call and the first scene's first call come before anything is drawn.
    EXPECT_FALSE(pacer.OnKeepRunning(1).capture);
    EXPECT_EQ(0u, pacer.OnKeepRunning(1).advanceMs);
    step = pacer.OnKeepRunning(1);  // frame at 1 ms drawn: not wanted, jump to the first frame
    EXPECT_FALSE(step.capture);
    EXPECT_EQ(4899u, step.advanceMs);
    step = pacer.OnKeepRunning(4900);  // same scene: one call per frame
    EXPECT_TRUE(step.capture);
    EXPECT_EQ(0u, step.frame);
    EXPECT_EQ(100u, step.advanceMs);
    EXPECT_FALSE(pacer.OnKeepRunning(5000).capture);  // scheduler
    EXPECT_FALSE(pacer.OnKeepRunning(5000).capture);  // scene 1's first call
    step = pacer.OnKeepRunning(5000);
    EXPECT_TRUE(step.capture);
    EXPECT_EQ(1u, step.frame);
    step = pacer.OnKeepRunning(5100);
    EXPECT_TRUE(step.capture);
    EXPECT_EQ(2u, step.frame);
    EXPECT_TRUE(step.done);
    EXPECT_EQ(3u, pacer.FramesShown());
}

TEST(ProgressText, ShowsBarCountsRateAndTimeLeft) {
    const std::string half(15, '#'), empty(15, '.');
    EXPECT_EQ("render: [" + half + empty + "] 50/100 frames  10.0 fps  0:05 left",
              assetkit::ProgressText("render", 50, 100, 5.0));
    EXPECT_EQ("render: [" + half + half + "] 100/100 frames  20.0 fps",
              assetkit::ProgressText("render", 100, 100, 5.0));
    EXPECT_EQ("render: [" + empty + empty + "] 0/100 frames  0.0 fps", assetkit::ProgressText("render", 0, 100, 0.0));
}
