// The kit as the demo meets it: services by GUID, the screen surface, Present into the window's
// framebuffer, and input.
#include "host/kit/host_kit.h"

#include <gtest/gtest.h>

#include <cstring>

#include "interfaces/guids.h"
#include "platform/keys.h"

namespace {

host::HostKitSettings Headless() {
    host::HostKitSettings settings;
    settings.loop.frameStepMs = 40;
    return settings;
}

TEST(HostKit, AnswersEveryServiceTheDemoAsksFor) {
    host::HostKit kit(Headless());
    ASSERT_TRUE(kit.Valid());
    IHostServices& services = kit.Services();
    auto* window = static_cast<IHostWindow*>(services.QueryService(&guids::kHostWindow));
    auto* screen = static_cast<IHostScreen*>(services.QueryService(&guids::kHostScreen));
    auto* input = static_cast<IHostInput*>(services.QueryService(&guids::kHostInput));
    auto* source = static_cast<IHostSoundSource*>(services.QueryService(&guids::kHostSoundSource));
    auto* context = static_cast<IHostGraphContext*>(services.QueryService(&guids::kHostGraphContext));
    EXPECT_EQ(&kit.Window(), window);
    EXPECT_EQ(&kit.Screen(), screen);
    EXPECT_EQ(&kit.Input(), input);
    ASSERT_NE(nullptr, source);
    EXPECT_EQ(&kit.Sound(), source->Sound());
    ASSERT_NE(nullptr, context);
    EXPECT_EQ(static_cast<ISurface*>(&kit.Screen()), context->Context());
    EXPECT_NE(nullptr, services.QueryService(&guids::kHostUnused));
    EXPECT_NE(nullptr, window->MainWindow());

    EXPECT_EQ(nullptr, services.QueryService(&guids::kGraph));
    EXPECT_EQ(nullptr, services.QueryService(nullptr));
    kit.Services().Withdraw(guids::kHostInput);
    EXPECT_EQ(nullptr, services.QueryService(&guids::kHostInput));
    EXPECT_NE(nullptr, services.QueryService(&guids::kHostScreen));
}

TEST(HostKit, ClockLoopAndSoundShareOneTimeSource) {
    host::HostKit kit(Headless());
    ASSERT_NE(nullptr, kit.Stepped());
    ASSERT_TRUE(kit.Sound().Prepare(2));
    ASSERT_TRUE(kit.Sound().Start());
    EXPECT_TRUE(kit.Loop().KeepRunning());
    EXPECT_TRUE(kit.Loop().KeepRunning());
    EXPECT_EQ(80u, kit.Clock().NowMs());
    EXPECT_EQ(80u, kit.Sound().PositionMs());
}

TEST(HostScreen, IsThe640By480TwentyFourBitSurface) {
    host::HostKit kit(Headless());
    IHostScreen& screen = kit.Screen();
    EXPECT_EQ(1, screen.Identify());
    EXPECT_EQ(640, screen.Width());
    EXPECT_EQ(480, screen.Height());
    EXPECT_EQ(24, screen.Depth());
    EXPECT_EQ(1920, screen.Pitch());
    EXPECT_TRUE(screen.HasPixels());
    EXPECT_EQ(nullptr, screen.AlphaAt(0, 0));
    EXPECT_EQ(0, screen.AlphaPitch());
    EXPECT_EQ(screen.PixelAt(0, 0) + 479 * 1920 + 639 * 3, screen.PixelAt(639, 479));
    EXPECT_EQ(0, screen.Release());  // the host keeps it
    EXPECT_NE(nullptr, screen.PixelAt(0, 0));
}

TEST(HostScreen, PresentCopiesOnlyTheClippedRectangleIntoTheFramebuffer) {
    host::HostKit kit(Headless());
    IHostScreen& screen = kit.Screen();
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            uint8_t* p = screen.PixelAt(x, y);
            p[0] = static_cast<uint8_t>(x), p[1] = static_cast<uint8_t>(y), p[2] = 200;
        }
    int pitch = 0;
    const uint8_t* framebuffer = kit.Window().Framebuffer(&pitch);
    ASSERT_NE(nullptr, framebuffer);
    auto shown = [&](int x, int y) { return framebuffer[y * pitch + x * 3 + 2] == 200; };

    screen.Present(10, 20, 5, 3);
    EXPECT_TRUE(shown(10, 20));
    EXPECT_TRUE(shown(14, 22));
    EXPECT_FALSE(shown(15, 22));
    EXPECT_FALSE(shown(14, 23));
    EXPECT_FALSE(shown(9, 20));
    EXPECT_EQ(14, framebuffer[22 * pitch + 14 * 3]);
    EXPECT_EQ(22, framebuffer[22 * pitch + 14 * 3 + 1]);

    screen.Present(630, 470, 100, 100);  // runs past the corner
    EXPECT_TRUE(shown(639, 479));
    EXPECT_FALSE(shown(629, 479));
    screen.Present(-5, -5, 0x7fffffff, 2);  // huge width, mostly above the top
    EXPECT_FALSE(shown(0, 0));
    screen.Present(-5, -5, 0x7fffffff, 6);
    EXPECT_TRUE(shown(0, 0));
    EXPECT_TRUE(shown(639, 0));
    EXPECT_FALSE(shown(0, 1));

    screen.Present(0, 0, 640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(0, std::memcmp(screen.PixelAt(x, y), framebuffer + y * pitch + x * 3, 3));
    EXPECT_EQ(5u, kit.Screen().PresentCount());
}

TEST(HostInput, AnswersFromTheKeyStateAndCountsTheOtherCalls) {
    host::HostKit kit(Headless());
    IHostInput& input = kit.Input();
    input.Refresh();
    input.Poll();
    input.Poll();
    EXPECT_EQ(1u, kit.Input().Refreshes());
    EXPECT_EQ(2u, kit.Input().Polls());
    EXPECT_FALSE(input.IsPressed(platform::keys::kEscape));
#if !defined(_WIN32)
    platform::SetKeyDown(platform::keys::kEscape, true);
    EXPECT_TRUE(input.IsPressed(platform::keys::kEscape));
    EXPECT_FALSE(input.IsPressed(platform::keys::kSpace));
    platform::ReleaseAllKeys();
    EXPECT_FALSE(input.IsPressed(platform::keys::kEscape));
#endif
}

}  // namespace
