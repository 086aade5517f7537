#include "demo/runtime/host_sound_player.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "tests/support/host_doubles.h"
#include "tests/support/test_files.h"

TEST(HostSoundPlayer, BindNeedsBothControls) {
    FakeSound sound;
    FakeClock clock;
    HostSoundPlayer player;
    sound.offerRepeat = false;
    EXPECT_FALSE(player.Bind(&sound, &clock));
    sound.offerRepeat = true;
    sound.offerPosition = false;
    EXPECT_FALSE(player.Bind(&sound, &clock));
    EXPECT_EQ(nullptr, player.sound);
    sound.offerPosition = true;
    EXPECT_TRUE(player.Bind(&sound, &clock));
    EXPECT_EQ(2, player.musicNumber);
    EXPECT_EQ(HostSoundPlayer::kNothingSaved, player.savedRepeatMode);
}

TEST(HostSoundPlayer, HostRefusalsAndTheSavedModeGivenBack) {
    FakeSound sound;
    FakeClock clock;
    HostSoundPlayer player;
    ASSERT_TRUE(player.Bind(&sound, &clock));
    player.musicNumber = 9;

    sound.prepareResult = false;
    EXPECT_FALSE(player.Play(-1));
    EXPECT_EQ(9, sound.preparedNumber);
    sound.prepareResult = true;

    sound.lengthMs = 0;  // a length of 0 means the host cannot play it
    EXPECT_FALSE(player.Play(-1));
    sound.lengthMs = 60000;

    sound.startResult = false;
    EXPECT_FALSE(player.Play(-1));
    EXPECT_EQ(5, player.savedRepeatMode);
    ASSERT_EQ(2u, sound.setRepeatCalls.size());
    EXPECT_EQ(-1, sound.setRepeatCalls[0]);
    EXPECT_EQ(5, sound.setRepeatCalls[1]);  // given back at once

    sound.startResult = true;
    ASSERT_TRUE(player.Play(1));
    EXPECT_FALSE(player.looping);
    EXPECT_EQ(60000u, player.Length());
    player.RestoreRepeatMode();
    player.RestoreRepeatMode();
    EXPECT_EQ(5, sound.repeatMode);  // the same saved mode both times
    EXPECT_EQ(5, sound.setRepeatCalls.back());
}

TEST(HostSoundPlayer, SyncStartWaitsForARealPosition) {
    ScopedVirtualClock time(50000);
    FakeSound sound;
    FakeClock clock;
    HostSoundPlayer player;
    ASSERT_TRUE(player.Bind(&sound, &clock));
    sound.lengthMs = 60000;
    ASSERT_TRUE(player.Play(1));
    sound.neverStarts = true;
    EXPECT_FALSE(player.SyncStart());
    sound.neverStarts = false;
    platform::AdvanceVirtualClock(300);
    ASSERT_TRUE(player.SyncStart());
    EXPECT_EQ(50000u, player.timeBaseMs);
    uint32_t now = 0;
    ASSERT_TRUE(player.Position(&now));
    EXPECT_EQ(300u, now);

    // A position ahead of the clock itself puts the time base at 0 instead of wrapping.
    platform::SetVirtualClock(100);
    sound.startOffsetMs = 500;
    sound.startTick = 100;
    ASSERT_TRUE(player.SyncStart());
    EXPECT_EQ(0u, player.timeBaseMs);
}

TEST(HostSoundPlayer, NonLoopingEndsAtItsLength) {
    ScopedVirtualClock time(0);
    FakeSound sound;
    FakeClock clock;
    HostSoundPlayer player;
    ASSERT_TRUE(player.Bind(&sound, &clock));
    sound.lengthMs = 1000;
    ASSERT_TRUE(player.Play(1));
    platform::AdvanceVirtualClock(10);
    ASSERT_TRUE(player.SyncStart());
    uint32_t now = 0;
    platform::AdvanceVirtualClock(989);
    EXPECT_TRUE(player.Position(&now));
    EXPECT_EQ(999u, now);
    platform::AdvanceVirtualClock(1);
    EXPECT_FALSE(player.Position(&now));
}

TEST(HostSoundPlayer, LoopingRealignsWithTheHostOncePastTheLength) {
    ScopedVirtualClock time(0);
    FakeSound sound;
    FakeClock clock;
    HostSoundPlayer player;
    ASSERT_TRUE(player.Bind(&sound, &clock));
    sound.lengthMs = 1000;
    ASSERT_TRUE(player.Play(-1));
    EXPECT_TRUE(player.looping);
    platform::AdvanceVirtualClock(10);
    ASSERT_TRUE(player.SyncStart());
    // The host drifts 30 ms behind the clock; only the wrap reveals it.
    sound.startTick += 30;
    uint32_t now = 0;
    platform::AdvanceVirtualClock(995);
    ASSERT_TRUE(player.Position(&now));
    EXPECT_EQ(975u, now);  // host position, realigned
    platform::AdvanceVirtualClock(20);
    ASSERT_TRUE(player.Position(&now));
    EXPECT_EQ(995u, now);  // the clock again, on the new base
    platform::AdvanceVirtualClock(10);
    ASSERT_TRUE(player.Position(&now));
    EXPECT_EQ(5u, now);  // wrapped with the host
}

TEST(HostSoundPlayer, StopWithoutASoundFails) {
    HostSoundPlayer player;
    EXPECT_FALSE(player.Stop());
    player.RestoreRepeatMode();  // nothing saved, nothing to call
    uint32_t now = 0;
    EXPECT_FALSE(player.Position(&now));
}
