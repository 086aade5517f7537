#include "demo/runtime/mci_player.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/clock.h"
#include "platform/window.h"
#include "tests/support/host_doubles.h"
#include "tests/support/test_files.h"

namespace {

const std::string kFailure = "ＯＰデモ用音楽再生に失敗しました";

}  // namespace

TEST(MciPlayer, RefusesWithoutADeviceAndReportsAMissingFile) {
    ScopedWorkFolder folder;
    MessageCapture capture;
    MciPlayer player("DummyWindowClass_MCI");
    uint32_t ms = 0;
    EXPECT_FALSE(player.Open(nullptr));
    EXPECT_FALSE(player.Length(&ms));
    EXPECT_FALSE(player.Play(0, 0));
    EXPECT_FALSE(player.Position(&ms));
    EXPECT_FALSE(player.Stop());
    EXPECT_TRUE(capture.Texts().empty());

    EXPECT_FALSE(player.Open("Vuvi01.wav"));
    ASSERT_EQ(1u, capture.Texts().size());
    EXPECT_EQ(kFailure, capture.Texts()[0]);
    EXPECT_EQ("Prelo.dll", capture.Captions()[0]);
    EXPECT_STREQ("Vuvi01.wav", player.fileName.Text());
}

#if defined(_WIN32)

// The real waveaudio device. Opening, measuring and playing need no sound card.
TEST(MciPlayerOnTheRealDevice, OpensMeasuresPlaysAndStops) {
    ScopedWorkFolder folder;
    ASSERT_TRUE(WriteFile("short.wav", MakeWave(300, 8000)));
    MessageCapture capture;
    MciPlayer player("DummyWindowClass_MCI");
    ASSERT_TRUE(player.CreateNotifyWindow(platform::CurrentModuleInstance()));
    ASSERT_TRUE(player.Open("short.wav"));
    uint32_t ms = 0;
    ASSERT_TRUE(player.Length(&ms));
    EXPECT_EQ(300u, ms);
    ASSERT_TRUE(player.Play(0, 100));
    ASSERT_TRUE(player.Position(&ms));
    EXPECT_GE(ms, 100u);
    EXPECT_LT(ms, 1000u);
    EXPECT_TRUE(player.Stop());
    EXPECT_FALSE(player.isOpen);
    EXPECT_FALSE(player.Position(&ms));
    EXPECT_TRUE(capture.Texts().empty());
    player.DestroyNotifyWindow();
}

namespace {

// Its completion notices come only from a device that plays in real time: ./check gives wine a
// null sound sink and says so in PRELO_SOUND_DEVICE. The stand-in device's tests further down
// hold the same expectations on the virtual clock, to the millisecond.
class MciPlayerOnASoundDevice : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("PRELO_SOUND_DEVICE") == nullptr) GTEST_SKIP() << "no sound device (./check starts one)";
        ASSERT_TRUE(WriteFile("short.wav", MakeWave(kLengthMs, 8000)));
        ASSERT_TRUE(player.CreateNotifyWindow(platform::CurrentModuleInstance()));
        ASSERT_TRUE(player.Open("short.wav"));
    }
    void TearDown() override { player.DestroyNotifyWindow(); }

    // Lets real time pass with the notices delivered as they come: for ms, or until done() holds
    // (false when it still does not after kPatienceMs; on a loaded machine notices come late).
    void PumpFor(uint32_t ms) {
        PumpUntil([&, start = platform::TickCount()] { return platform::TickCount() - start >= ms; });
    }
    template <typename Done>
    bool PumpUntil(Done done) {
        const uint32_t start = platform::TickCount();
        while (!done()) {
            if (platform::TickCount() - start >= kPatienceMs) return false;
            platform::PumpMessages();
            platform::Sleep(5);
        }
        return true;
    }
    bool PlayingBelowItsLength() {
        uint32_t ms = 0;
        return player.Position(&ms) && ms < kLengthMs;
    }

    static constexpr uint32_t kLengthMs = 400;
    static constexpr uint32_t kPatienceMs = 10000;
    ScopedWorkFolder folder;
    MessageCapture capture;
    MciPlayer player{"DummyWindowClass_MCI"};
};

}  // namespace

TEST_F(MciPlayerOnASoundDevice, OnePlayClosesTheDeviceAtItsEnd) {
    ASSERT_TRUE(player.Play(MciPlayer::kRepeatOnce, 0));
    PumpFor(kLengthMs / 2);
    EXPECT_TRUE(player.isOpen);
    EXPECT_TRUE(PumpUntil([&] { return !player.isOpen; }));
    EXPECT_TRUE(capture.Texts().empty());
}

TEST_F(MciPlayerOnASoundDevice, RepeatCountsDownThroughCompletionNotices) {
    ASSERT_TRUE(player.Play(2, 0));
    ASSERT_TRUE(PumpUntil([&] { return player.repeatCount != 2 || !player.isOpen; }));
    ASSERT_TRUE(player.isOpen);
    EXPECT_EQ(1, player.repeatCount);
    EXPECT_TRUE(PlayingBelowItsLength());  // restarted from the top
    EXPECT_TRUE(PumpUntil([&] { return !player.isOpen; }));
}

TEST_F(MciPlayerOnASoundDevice, EndlessPlayRestartsEveryTime) {
    ASSERT_TRUE(player.Play(MciPlayer::kRepeatEndless, 0));
    PumpFor(3 * kLengthMs + kLengthMs / 2);
    ASSERT_TRUE(player.isOpen);
    EXPECT_EQ(MciPlayer::kRepeatEndless, player.repeatCount);
    // Without restarts the position would have passed the length for good.
    EXPECT_TRUE(PumpUntil([&] { return PlayingBelowItsLength(); }));
    EXPECT_TRUE(player.Stop());
}

#else

namespace {

// Drives the stand-in device on the virtual clock: messages arrive when the test pumps.
class MciPlayerOnTheClock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteFile("Vuvi01.wav", MakeWave(3000)));
        ASSERT_TRUE(player.CreateNotifyWindow(platform::CurrentModuleInstance()));
        ASSERT_TRUE(player.Open("Vuvi01.wav"));
    }
    void TearDown() override { player.DestroyNotifyWindow(); }

    void Advance(uint32_t ms) {
        platform::AdvanceVirtualClock(ms);
        platform::PumpMessages();
    }
    uint32_t Now() {
        uint32_t ms = 0xFFFFFFFF;
        EXPECT_TRUE(player.Position(&ms));
        return ms;
    }

    ScopedWorkFolder folder;
    ScopedVirtualClock time{7000};
    MessageCapture capture;
    MciPlayer player{"DummyWindowClass_MCI"};
};

class RecordingSink : public platform::MciAudioSink {
public:
    void Start(const platform::WaveFormat& format, const uint8_t*, uint32_t size, uint32_t fromByte) override {
        ++starts;
        rate = format.samplesPerSecond;
        dataSize = size;
        from = fromByte;
    }
    void Stop() override { ++stops; }
    int starts = 0;
    int stops = 0;
    uint32_t rate = 0;
    uint32_t dataSize = 0;
    uint32_t from = 0;
};

}  // namespace

TEST_F(MciPlayerOnTheClock, LengthComesFromTheWaveData) {
    uint32_t ms = 0;
    ASSERT_TRUE(player.Length(&ms));
    EXPECT_EQ(3000u, ms);
}

TEST_F(MciPlayerOnTheClock, OnePlayClosesTheDeviceAtItsEnd) {
    ASSERT_TRUE(player.Play(1, 0));
    Advance(2999);
    EXPECT_EQ(2999u, Now());
    Advance(1);
    EXPECT_FALSE(player.isOpen);
    uint32_t ms = 0;
    EXPECT_FALSE(player.Position(&ms));
    EXPECT_TRUE(capture.Texts().empty());
}

TEST_F(MciPlayerOnTheClock, RepeatCountsDownThroughCompletionNotices) {
    ASSERT_TRUE(player.Play(2, 0));
    Advance(3000);
    ASSERT_TRUE(player.isOpen);
    EXPECT_EQ(1, player.repeatCount);
    EXPECT_EQ(0u, Now());  // restarted from the top
    Advance(1500);
    EXPECT_EQ(1500u, Now());
    Advance(1500);
    EXPECT_FALSE(player.isOpen);
}

TEST_F(MciPlayerOnTheClock, EndlessPlayRestartsEveryTime) {
    ASSERT_TRUE(player.Play(0, 0));
    for (int loop = 0; loop < 3; ++loop) {
        Advance(3000);
        ASSERT_TRUE(player.isOpen);
        EXPECT_EQ(0u, Now());
    }
    EXPECT_EQ(0, player.repeatCount);
}

TEST_F(MciPlayerOnTheClock, AJumpPlaysOnceMoreFromItsTarget) {
    ASSERT_TRUE(player.Play(0, 0));
    Advance(500);
    ASSERT_TRUE(player.Play(1, 2000));  // supersedes the running play; its notice is ignored
    Advance(0);
    EXPECT_TRUE(player.isOpen);
    EXPECT_EQ(2000u, Now());
    Advance(999);
    EXPECT_TRUE(player.isOpen);
    Advance(1);
    EXPECT_FALSE(player.isOpen);
}

TEST_F(MciPlayerOnTheClock, NoticesOtherThanSuccessAreIgnored) {
    ASSERT_TRUE(player.Play(1, 0));
    platform::PostWindowMessage(player.window, platform::messages::kMciNotify, platform::mci::kNotifyAborted,
                                player.deviceId);
    platform::PostWindowMessage(player.window, platform::messages::kMciNotify, platform::mci::kNotifyFailure,
                                player.deviceId);
    Advance(100);
    EXPECT_TRUE(player.isOpen);
    EXPECT_EQ(1, player.repeatCount);
    EXPECT_EQ(100u, Now());
}

TEST_F(MciPlayerOnTheClock, StopClosesAndASecondStopFails) {
    ASSERT_TRUE(player.Play(0, 0));
    EXPECT_TRUE(player.Stop());
    EXPECT_FALSE(player.isOpen);
    EXPECT_FALSE(player.isPlaying);
    EXPECT_FALSE(player.Stop());
    Advance(5000);  // the aborted play's notice changes nothing
    EXPECT_FALSE(player.isOpen);
}

TEST_F(MciPlayerOnTheClock, AnAttachedSinkHearsThePlayFromItsTarget) {
    RecordingSink sink;
    platform::SetMciAudioSink(&sink);
    ASSERT_TRUE(player.Play(1, 1000));
    EXPECT_EQ(1, sink.starts);
    EXPECT_EQ(1000u, sink.rate);
    EXPECT_EQ(3000u, sink.dataSize);
    EXPECT_EQ(1000u, sink.from);
    Advance(2000);
    EXPECT_EQ(1, sink.stops);
    platform::SetMciAudioSink(nullptr);
}

TEST_F(MciPlayerOnTheClock, ASecondPlayerSharesTheClassButNotTheWindow) {
    MciPlayer second("DummyWindowClass_MCI");
    ASSERT_TRUE(second.CreateNotifyWindow(platform::CurrentModuleInstance()));
    EXPECT_NE(player.window, second.window);
    ASSERT_TRUE(second.Open("Vuvi01.wav"));
    ASSERT_TRUE(second.Play(1, 0));
    ASSERT_TRUE(player.Play(0, 0));
    Advance(3000);
    EXPECT_FALSE(second.isOpen);  // each notice reaches its own player
    EXPECT_TRUE(player.isOpen);
    second.DestroyNotifyWindow();
}

#endif
