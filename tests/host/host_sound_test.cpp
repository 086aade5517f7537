// The host's music clock as the demo reads it: a position that is 0 until playback has started,
// a length, endless repeat wrapping at the length, and a single play that runs out.
#include "host/kit/host_sound.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "host/kit/time_source.h"
#include "interfaces/guids.h"

namespace {

class HostSoundClock : public ::testing::Test {
protected:
    HostSoundClock() : time(1000), sound(time, Settings()) {}
    static host::SoundSettings Settings() {
        host::SoundSettings settings;
        settings.lengthMs = 3000;
        return settings;
    }
    IHostSoundRepeat* Repeat() { return static_cast<IHostSoundRepeat*>(sound.QueryControl(&guids::kSoundRepeat)); }
    IHostSoundPosition* Position() {
        return static_cast<IHostSoundPosition*>(sound.QueryControl(&guids::kSoundPosition));
    }
    host::SteppedTime time;
    host::HostSound sound;
};

TEST_F(HostSoundClock, ControlsAreFoundByTheirGuidsOnly) {
    EXPECT_NE(nullptr, Repeat());
    EXPECT_NE(nullptr, Position());
    EXPECT_NE(static_cast<void*>(Repeat()), static_cast<void*>(Position()));
    EXPECT_EQ(nullptr, sound.QueryControl(&guids::kHostScreen));
    EXPECT_EQ(nullptr, sound.QueryControl(nullptr));
}

TEST_F(HostSoundClock, NothingPlaysBeforePrepareAndStart) {
    EXPECT_EQ(0u, Position()->LengthMs());
    EXPECT_FALSE(sound.Start());
    ASSERT_TRUE(sound.Prepare(2));
    EXPECT_EQ(2, sound.MusicNumber());
    EXPECT_EQ(3000u, Position()->LengthMs());
    time.Advance(500);
    EXPECT_EQ(0u, Position()->PositionMs());
    ASSERT_TRUE(sound.Start());
    EXPECT_EQ(0u, Position()->PositionMs());  // started this very millisecond
    time.Advance(40);
    EXPECT_EQ(40u, Position()->PositionMs());
    EXPECT_TRUE(sound.Stop());
    EXPECT_EQ(0u, Position()->PositionMs());
    EXPECT_FALSE(sound.Stop());
}

TEST_F(HostSoundClock, EndlessRepeatWrapsAtTheLength) {
    ASSERT_TRUE(Repeat()->SetRepeatMode(-1));
    ASSERT_TRUE(sound.Prepare(2));
    ASSERT_TRUE(sound.Start());
    time.Advance(2999);
    EXPECT_EQ(2999u, Position()->PositionMs());
    time.Advance(251);
    EXPECT_EQ(250u, Position()->PositionMs());
    time.Advance(3000 * 5);
    EXPECT_EQ(250u, Position()->PositionMs());
    EXPECT_TRUE(sound.Playing());
}

TEST_F(HostSoundClock, SinglePlayRunsOutAtTheLengthAndStaysStopped) {
    ASSERT_TRUE(Repeat()->SetRepeatMode(1));
    ASSERT_TRUE(sound.Prepare(2));
    ASSERT_TRUE(sound.Start());
    time.Advance(2999);
    EXPECT_EQ(2999u, Position()->PositionMs());
    time.Advance(1);
    EXPECT_EQ(0u, Position()->PositionMs());
    EXPECT_FALSE(sound.Playing());
    time.Advance(3000 - 1000);  // no wrap back into a second play
    EXPECT_EQ(0u, Position()->PositionMs());
}

TEST_F(HostSoundClock, RepeatCountsPlayThatManyTimes) {
    ASSERT_TRUE(Repeat()->SetRepeatMode(2));
    ASSERT_TRUE(sound.Prepare(2));
    ASSERT_TRUE(sound.Start());
    time.Advance(3100);
    EXPECT_EQ(100u, Position()->PositionMs());
    time.Advance(3000);
    EXPECT_EQ(0u, Position()->PositionMs());
    EXPECT_FALSE(sound.Playing());
}

TEST_F(HostSoundClock, RepeatModeIsHandedBackUnchanged) {
    EXPECT_EQ(1, Repeat()->RepeatMode());
    const int32_t saved = Repeat()->RepeatMode();
    EXPECT_TRUE(Repeat()->SetRepeatMode(-1));
    EXPECT_EQ(-1, Repeat()->RepeatMode());
    EXPECT_TRUE(Repeat()->SetRepeatMode(saved));
    EXPECT_EQ(saved, Repeat()->RepeatMode());
    EXPECT_TRUE(Repeat()->SetRepeatMode(0));
    EXPECT_FALSE(Repeat()->SetRepeatMode(-2));
    EXPECT_EQ(0, Repeat()->RepeatMode());
}

TEST_F(HostSoundClock, TellsAListenerWhenTheMusicStartsAndStops) {
    std::vector<std::pair<int32_t, bool>> events;
    sound.SetStateCallback([&events](int32_t number, bool playing) { events.emplace_back(number, playing); });
    ASSERT_TRUE(sound.Prepare(4));
    ASSERT_TRUE(sound.Start());
    EXPECT_TRUE(sound.Stop());
    EXPECT_FALSE(sound.Stop());  // nothing new to tell
    ASSERT_TRUE(sound.Start());
    time.Advance(3000);
    EXPECT_EQ(0u, Position()->PositionMs());  // runs out
    EXPECT_EQ(0u, Position()->PositionMs());
    using Event = std::pair<int32_t, bool>;
    EXPECT_EQ((std::vector<Event>{{4, true}, {4, false}, {4, true}, {4, false}}), events);
}

TEST(HostSoundSettings, RefusingHostPreparesNothing) {
    host::SteppedTime time;
    host::SoundSettings settings;
    settings.refuse = true;
    host::HostSound sound(time, settings);
    EXPECT_FALSE(sound.Prepare(2));
    EXPECT_EQ(0u, sound.LengthMs());
    EXPECT_FALSE(sound.Start());

    host::SoundSettings defaults;
    host::HostSound timeline(time, defaults);
    ASSERT_TRUE(timeline.Prepare(7));
    EXPECT_EQ(124634u, timeline.LengthMs());
    timeline.SetLengthMs(0);  // ignored
    EXPECT_EQ(124634u, timeline.LengthMs());
    timeline.SetLengthMs(5000);
    EXPECT_EQ(5000u, timeline.LengthMs());
}

// A start part-way (the page's "Show in the demo") runs from there, and a single play still ends
// where the music does.
TEST(HostSoundStartAt, RunsFromThereToTheMusicsEnd) {
    host::SteppedTime time(1000);
    host::SoundSettings settings;
    settings.lengthMs = 3000;
    settings.startAtMs = 2000;
    host::HostSound sound(time, settings);
    ASSERT_TRUE(sound.Prepare(2));
    ASSERT_TRUE(sound.Start());
    EXPECT_EQ(2000u, sound.PositionMs());
    time.Advance(999);
    EXPECT_EQ(2999u, sound.PositionMs());
    time.Advance(1);
    EXPECT_FALSE(sound.Playing());
}

}  // namespace
