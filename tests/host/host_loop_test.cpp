#include "host/kit/host_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/kit/time_source.h"
#include "platform/clock.h"

namespace {

TEST(HostLoop, StepsTheClockAfterShowingEachFrameAndStopsAfterTheStopTime) {
    host::SteppedTime time(0);
    host::LoopSettings settings;
    settings.frameStepMs = 40;
    settings.stopAfterMs = 100;
    host::HostLoop loop(time, &time, settings);
    std::vector<uint32_t> seen;
    loop.SetFrameCallback([&seen](uint32_t now) {
        seen.push_back(now);
        return true;
    });
    EXPECT_TRUE(loop.KeepRunning());   // 0 -> 40
    EXPECT_TRUE(loop.KeepRunning());   // 40 -> 80
    EXPECT_FALSE(loop.KeepRunning());  // 80 -> 120, past the stop
    EXPECT_EQ((std::vector<uint32_t>{0, 40, 80}), seen);
    EXPECT_EQ(2u, loop.FramesAnswered());
    EXPECT_EQ(120u, time.NowMs());
    // The platform clock the demo's own code reads moves with it.
    EXPECT_TRUE(platform::VirtualClockInUse());
    EXPECT_EQ(120u, platform::TickCount());
}

// A rate that does not divide a second keeps its rate: 60 frames lie in each second, not 62.5.
TEST(HostLoop, ARateStepsToExactFrameTimes) {
    host::SteppedTime time(0);
    host::LoopSettings settings;
    settings.frameStepMs = 16;
    settings.framesPerSecond = 60;
    settings.stopAfterMs = 1000;
    host::HostLoop loop(time, &time, settings);
    std::vector<uint32_t> seen;
    loop.SetFrameCallback([&seen](uint32_t now) {
        seen.push_back(now);
        return true;
    });
    while (loop.KeepRunning()) {
    }
    ASSERT_EQ(61u, seen.size());  // 0 to 1000 ms, both ends shown
    EXPECT_EQ((std::vector<uint32_t>{0, 16, 33, 50, 66, 83, 100}),
              std::vector<uint32_t>(seen.begin(), seen.begin() + 7));
    EXPECT_EQ(1000u, seen.back());
}

TEST(HostLoop, FrameLimitCallbackAndStopRequestEndTheRun) {
    host::SteppedTime time(500);
    host::LoopSettings settings;
    settings.frameStepMs = 10;
    settings.maxFrames = 3;
    host::HostLoop limited(time, &time, settings);
    EXPECT_TRUE(limited.KeepRunning());
    EXPECT_TRUE(limited.KeepRunning());
    EXPECT_TRUE(limited.KeepRunning());
    EXPECT_FALSE(limited.AnsweredStop());  // had the demo returned now, it would have ended itself
    EXPECT_FALSE(limited.KeepRunning());
    EXPECT_TRUE(limited.AnsweredStop());
    EXPECT_EQ(530u, time.NowMs());

    host::HostLoop stopped(time, &time, host::LoopSettings{});
    EXPECT_TRUE(stopped.KeepRunning());
    EXPECT_EQ(530u, time.NowMs());  // no step configured: time stands still
    stopped.RequestStop();
    EXPECT_FALSE(stopped.KeepRunning());
    EXPECT_TRUE(stopped.AnsweredStop());

    host::HostLoop refused(time, &time, settings);
    refused.SetFrameCallback([](uint32_t) { return false; });
    EXPECT_FALSE(refused.KeepRunning());
    EXPECT_TRUE(refused.AnsweredStop());
    EXPECT_EQ(530u, time.NowMs());
}

TEST(HostLoop, TimesCountFromTheLoopsStart) {
    host::SteppedTime time(1000);
    host::LoopSettings settings;
    settings.frameStepMs = 40;
    settings.stopAfterMs = 100;
    host::HostLoop loop(time, &time, settings);
    std::vector<uint32_t> seen;
    loop.SetFrameCallback([&seen](uint32_t now) {
        seen.push_back(now);
        return true;
    });
    while (loop.KeepRunning()) {
    }
    EXPECT_EQ((std::vector<uint32_t>{0, 40, 80}), seen);
    EXPECT_EQ(1120u, time.NowMs());
}

TEST(HostLoop, RealTimeWaitsOutTheRestOfEachFrame) {
    // The platform's sleep moves the virtual clock, so the wait is seen without real waiting.
    host::SteppedTime time(0);
    host::LoopSettings settings;
    settings.frameStepMs = 40;
    host::HostLoop loop(time, nullptr, settings);
    time.Advance(15);  // the demo drew for 15 ms
    EXPECT_TRUE(loop.KeepRunning());
    EXPECT_EQ(40u, time.NowMs());
    time.Advance(55);  // a slow frame is not waited for
    EXPECT_TRUE(loop.KeepRunning());
    EXPECT_EQ(95u, time.NowMs());
    time.Advance(10);
    EXPECT_TRUE(loop.KeepRunning());
    EXPECT_EQ(135u, time.NowMs());
}

TEST(SteppedTime, SwitchesThePlatformClockBackWhenDone) {
    {
        host::SteppedTime time(77);
        EXPECT_EQ(77u, platform::TickCount());
        platform::Sleep(3);  // the demo's key-release wait moves virtual time too
        EXPECT_EQ(80u, time.NowMs());
    }
    EXPECT_FALSE(platform::VirtualClockInUse());
}

}  // namespace
