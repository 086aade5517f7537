#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/clock.h"
#include "platform/keys.h"
#include "tests/support/held_keys.h"
#include "timeline_fixture.h"

namespace {

const std::vector<int32_t> kAllScenes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

}  // namespace

TEST_F(Timeline, HostMusicOnceWalksEveryWindowAndEndsWithTheMusic) {
    ScopedVirtualClock time;
    Ready(false);
    context.loopMusic = false;
    context.Run();
    EXPECT_EQ(kAllScenes, scenes);
    EXPECT_TRUE(context.hostSoundInUse);
    EXPECT_EQ(125000u, context.lengthMs);
    ASSERT_FALSE(frames.empty());
    EXPECT_LT(frames.back(), 124634u);
    EXPECT_GE(host.loop.keepRunningCalls, 125000 / 20);
    EXPECT_LE(host.loop.keepRunningCalls, 125000 / 20 + 20);
    EXPECT_EQ(1, host.sound.setRepeatCalls.front());
    EXPECT_GE(host.sound.stopCalls, 1);
    EXPECT_EQ(5, host.sound.repeatMode);  // the host's own mode is back
    EXPECT_EQ(nullptr, context.schedule);
    EXPECT_TRUE(capture.Texts().empty());
    // Slot 1 then slot 0 once before the music, and nothing more without cancelling.
    ASSERT_EQ(2u, host.input.calls.size());
    EXPECT_EQ(1, host.input.calls[0]);
    EXPECT_EQ(0, host.input.calls[1]);
}

TEST_F(Timeline, HostMusicLoopingStartsOverWithSceneZero) {
    ScopedVirtualClock time;
    Ready(false);
    host.loop.stopWhen = [this] { return scenes.size() >= 14; };
    context.Run();
    EXPECT_EQ(-1, host.sound.setRepeatCalls.front());
    ASSERT_EQ(14u, scenes.size());
    EXPECT_TRUE(std::equal(kAllScenes.begin(), kAllScenes.end(), scenes.begin()));
    EXPECT_EQ(0, scenes[12]);
    EXPECT_EQ(1, scenes[13]);
    // The first frame after the wrap is near the top of the music.
    auto wrap = std::adjacent_find(frames.begin(), frames.end(), [](uint32_t a, uint32_t b) { return b < a; });
    ASSERT_NE(frames.end(), wrap);
    EXPECT_LT(*(wrap + 1), 100u);
}

TEST_F(Timeline, CancelKeysCountOnlyFromSceneSix) {
    ScopedVirtualClock time;
    Ready(false);
    host.sound.startOffsetMs = 20000;  // the music starts in scene 3
    host.input.pressed[platform::keys::kEscape] = true;
    context.keyCancel = true;
    context.Run();
    EXPECT_EQ((std::vector<int32_t>{3, 4, 5, 6}), scenes);
    ASSERT_FALSE(frames.empty());
    EXPECT_LT(frames.back(), 42672u);  // scene 6 never drew
    EXPECT_GT(host.input.Count(1), 1000);
    const std::vector<int> cancelKeys = {0x20, 0x0D, 0x01, 0x02, 0x1B};
    EXPECT_EQ(cancelKeys, host.input.askedKeys);
    EXPECT_EQ(nullptr, context.schedule);
}

TEST_F(Timeline, WithoutKeyCancelNoKeyEndsTheDemo) {
    ScopedVirtualClock time;
    Ready(false);
    context.loopMusic = false;
    for (int key : {0x20, 0x0D, 0x01, 0x02, 0x1B}) host.input.pressed[key] = true;
    context.Run();
    EXPECT_EQ(kAllScenes, scenes);
    EXPECT_TRUE(host.input.askedKeys.empty());
}

TEST_F(Timeline, HostMusicNeverConfirmedGivesUpAfterTenSecondsAndStopsIt) {
    ScopedVirtualClock time;
    Ready(false);
    host.sound.neverStarts = true;
    const uint32_t start = platform::TickCount();
    context.Run();
    EXPECT_TRUE(scenes.empty());
    EXPECT_GT(platform::TickCount() - start, 10000u);
    EXPECT_LT(platform::TickCount() - start, 10100u);
    EXPECT_FALSE(context.hostSoundInUse);
    EXPECT_GE(host.sound.stopCalls, 1);
    EXPECT_EQ(5, host.sound.repeatMode);
    EXPECT_TRUE(capture.Texts().empty());
}

TEST_F(Timeline, HostStopsTheLoopWhileWaitingForTheMusic) {
    ScopedVirtualClock time;
    Ready(false);
    host.sound.neverStarts = true;
    host.loop.stopAfterCalls = 3;
    context.Run();
    EXPECT_EQ(3, host.loop.keepRunningCalls);
    EXPECT_GE(host.sound.stopCalls, 1);
    EXPECT_EQ(nullptr, context.schedule);
}

TEST_F(Timeline, RunWithoutInitAndASecondRunDoNothing) {
    ScopedVirtualClock time;
    context.input = &host.input;
    context.Run();
    EXPECT_TRUE(host.input.calls.empty());
    context.ReleaseAll();
    context.ReleaseAll();

    Ready(false, 1000);
    context.loopMusic = false;
    context.Run();
    EXPECT_EQ(std::vector<int32_t>{0}, scenes);
    EXPECT_FALSE(context.initialised);
    const size_t inputCalls = host.input.calls.size();
    const int starts = host.sound.startCalls;
    context.Run();  // refused: the first Run released what it needs
    EXPECT_EQ(inputCalls, host.input.calls.size());
    EXPECT_EQ(starts, host.sound.startCalls);
    EXPECT_EQ(std::vector<int32_t>{0}, scenes);
}

TEST_F(Timeline, NoNotifyWindowEndsTheRunWithItsMessage) {
    ScopedVirtualClock time;
    // Make sure this process has registered the player's class, so that the class name below
    // is used only to create the window, which then has no class to be made from.
    MciPlayer registrar(DemoContext::kNotifyWindowClass);
    ASSERT_TRUE(registrar.CreateNotifyWindow(platform::CurrentModuleInstance()));
    registrar.DestroyNotifyWindow();
    Ready(true);
    context.mci.className.Assign("NeverRegistered");
    context.Run();
    EXPECT_TRUE(scenes.empty());
    ASSERT_EQ(1u, capture.Texts().size());
    EXPECT_EQ("MCI再生用ウィンドウの生成に失敗しました", capture.Texts()[0]);
    EXPECT_FALSE(context.mci.isOpen);
}

#if !defined(_WIN32)

TEST_F(Timeline, MciMusicOnceWalksEveryWindowAndEndsWithTheMusic) {
    ScopedVirtualClock time;
    Ready(true);
    context.loopMusic = false;
    context.Run();
    EXPECT_EQ(kAllScenes, scenes);
    EXPECT_FALSE(context.hostSoundInUse);
    EXPECT_EQ(125000u, context.lengthMs);
    EXPECT_FALSE(context.mci.isOpen);
    EXPECT_EQ(nullptr, context.mci.window);
    EXPECT_LE(host.loop.keepRunningCalls, 125000 / 20 + 20);
    EXPECT_TRUE(capture.Texts().empty());
}

TEST_F(Timeline, MciMusicLoopingStartsOverWithSceneZero) {
    ScopedVirtualClock time;
    Ready(true);
    host.loop.stopWhen = [this] { return scenes.size() >= 14; };
    context.Run();
    ASSERT_EQ(14u, scenes.size());
    EXPECT_EQ(0, scenes[12]);
    auto wrap = std::adjacent_find(frames.begin(), frames.end(), [](uint32_t a, uint32_t b) { return b < a; });
    ASSERT_NE(frames.end(), wrap);
    EXPECT_LT(*(wrap + 1), 100u);
    EXPECT_FALSE(context.mci.isOpen);
}

TEST_F(Timeline, MissingMusicFileEndsTheRunWithTheMciMessage) {
    ScopedVirtualClock time;
    Ready(true);
    std::remove("Vuvi01.wav");
    context.Run();
    EXPECT_TRUE(scenes.empty());
    ASSERT_EQ(1u, capture.Texts().size());
    EXPECT_EQ("ＯＰデモ用音楽再生に失敗しました", capture.Texts()[0]);
}

namespace {

uint32_t LongestGap(const std::vector<uint32_t>& ticks) {
    uint32_t longest = 0;
    for (size_t i = 1; i < ticks.size(); ++i) longest = std::max(longest, ticks[i] - ticks[i - 1]);
    return longest;
}

}  // namespace

TEST_F(Timeline, OfTwoJumpKeysDownOnlyTheEarlierInTheTableCounts) {
    ScopedVirtualClock time;
    Ready(true);
    HeldKeys keys({{'5', 40}, {'2', 80}});  // both down together; '2' is held longer
    std::vector<uint32_t> ticks;
    host.loop.eachFrame = [&] {
        ticks.push_back(platform::TickCount());
        if (ticks.size() == 5) keys.Hold();
    };
    host.loop.stopWhen = [&] { return !frames.empty() && frames.back() >= 12600; };
    context.Run();
    auto jump = std::find_if(frames.begin(), frames.end(), [](uint32_t t) { return t >= 12500; });
    ASSERT_NE(frames.end(), jump);
    EXPECT_LT(*jump, 12500u + 200);
    EXPECT_LT(frames.back(), 35100u);   // '5' was never handled
    EXPECT_GE(LongestGap(ticks), 70u);  // frozen until '2' came up
    EXPECT_EQ((std::vector<int32_t>{0, 2}), scenes);
}

TEST_F(Timeline, AHeldKeyFreezesThenRestartsTheMusicAtItsScene) {
    ScopedVirtualClock time;
    Ready(true);
    context.loopMusic = false;
    HeldKeys keys({{'5', 40}});
    std::vector<uint32_t> ticks;
    host.loop.eachFrame = [&] {
        ticks.push_back(platform::TickCount());
        if (ticks.size() == 5) keys.Hold();
    };
    int32_t countAfterJump = -1;
    host.loop.stopWhen = [&] {
        countAfterJump = context.mci.repeatCount;
        return !frames.empty() && frames.back() >= 35100;
    };
    context.Run();
    ASSERT_FALSE(frames.empty());
    EXPECT_LT(frames.back(), 35100u + 200);
    EXPECT_GE(LongestGap(ticks), 30u);
    EXPECT_EQ((std::vector<int32_t>{0, 5}), scenes);
    EXPECT_EQ(1, countAfterJump);  // not looping: the jump target plays once to the end
}

TEST_F(Timeline, JumpKeysAreWaitedOutButIgnoredOnHostMusic) {
    ScopedVirtualClock time;
    Ready(false);
    HeldKeys keys({{'0', 40}});
    std::vector<uint32_t> ticks;
    host.loop.eachFrame = [&] {
        ticks.push_back(platform::TickCount());
        if (ticks.size() == 5) keys.Hold();
    };
    host.loop.stopWhen = [&] { return ticks.size() > 5 && platform::TickCount() - ticks[4] > 80; };
    context.Run();
    ASSERT_FALSE(frames.empty());
    EXPECT_LT(frames.back(), 5000u);
    EXPECT_GE(LongestGap(ticks), 30u);
    EXPECT_EQ(std::vector<int32_t>{0}, scenes);
}

#endif
