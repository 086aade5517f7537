#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/message_box.h"

TEST(VirtualClock, MovesOnlyWhenTold) {
    platform::UseVirtualClock(true);
    platform::SetVirtualClock(0xFFFFFFF0u);
    EXPECT_EQ(0xFFFFFFF0u, platform::TickCount());
    EXPECT_EQ(0xFFFFFFF0u, platform::TickCount());
    platform::AdvanceVirtualClock(0x20);
    EXPECT_EQ(0x10u, platform::TickCount());  // wraps like the real tick count
    platform::Sleep(5);                       // a polled wait must still end
    EXPECT_EQ(0x15u, platform::TickCount());
    platform::UseVirtualClock(false);
    EXPECT_FALSE(platform::VirtualClockInUse());
}

TEST(RealClock, AdvancesAcrossASleep) {
    uint32_t before = platform::TickCount();
    platform::Sleep(20);
    EXPECT_GE(platform::TickCount() - before, 15u);
}

#if !defined(_WIN32)
// A held clock stands through a real sleep, steps only when told, and goes on from where it
// stood: nothing of the held time shows afterwards.
TEST(RealClock, HeldStandsStillStepsAndResumesWhereItStood) {
    platform::HoldClock(true);
    const uint32_t held = platform::TickCount();
    platform::Sleep(30);
    EXPECT_EQ(held, platform::TickCount());
    platform::AdvanceHeldClock(33);
    EXPECT_EQ(held + 33, platform::TickCount());
    platform::HoldClock(true);  // holding twice keeps the first reading
    EXPECT_EQ(held + 33, platform::TickCount());
    platform::HoldClock(false);
    EXPECT_FALSE(platform::ClockHeld());
    const uint32_t after = platform::TickCount() - (held + 33);
    EXPECT_LT(after, 15u);
    platform::AdvanceHeldClock(1000);  // not held: no effect
    EXPECT_LT(platform::TickCount() - (held + 33), 30u);
}

TEST(KeyTable, HostFedStateIsSeenAndBounded) {
    platform::ReleaseAllKeys();
    EXPECT_FALSE(platform::IsKeyDown(platform::keys::kSpace));
    platform::SetKeyDown(platform::keys::kSpace, true);
    platform::SetKeyDown('1', true);
    EXPECT_TRUE(platform::IsKeyDown(platform::keys::kSpace));
    EXPECT_TRUE(platform::IsKeyDown('1'));
    platform::SetKeyDown('1', false);
    EXPECT_FALSE(platform::IsKeyDown('1'));
    platform::SetKeyDown(-1, true);  // outside the table: ignored, not written
    platform::SetKeyDown(4096, true);
    EXPECT_FALSE(platform::IsKeyDown(-1));
    EXPECT_FALSE(platform::IsKeyDown(4096));
    platform::ReleaseAllKeys();
    EXPECT_FALSE(platform::IsKeyDown(platform::keys::kSpace));
}

TEST(MessageBoxLog, RecordsWithoutBlocking) {
    platform::SetMessageEcho(false);
    platform::ClearRecordedMessages();
    EXPECT_EQ(1, platform::ShowMessageBox(nullptr, "テキスト", "Prelo.dll", platform::box::kTopmost));
    EXPECT_EQ(1, platform::ShowMessageBox(nullptr, nullptr, nullptr, 0));
    auto log = platform::RecordedMessages();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ("テキスト", log[0].text);
    EXPECT_EQ("Prelo.dll", log[0].caption);
    EXPECT_EQ(platform::box::kTopmost, log[0].style);
    EXPECT_EQ("", log[1].text);
    platform::ClearRecordedMessages();
    EXPECT_TRUE(platform::RecordedMessages().empty());
    platform::SetMessageEcho(true);
}
#endif

TEST(SleepHook, RunsOnEverySleepUntilRemoved) {
    int calls = 0;
    platform::SetSleepHook([](void* context) { ++*static_cast<int*>(context); }, &calls);
    platform::UseVirtualClock(true);
    platform::Sleep(1);
    platform::Sleep(1);
    platform::SetSleepHook(nullptr, nullptr);
    platform::Sleep(1);
    platform::UseVirtualClock(false);
    EXPECT_EQ(2, calls);
}
