#include "platform/window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Seen {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    intptr_t userData;
};
std::vector<Seen> seen;

intptr_t Record(platform::Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message >= platform::messages::kUser) {
        seen.push_back({message, wParam, lParam, platform::WindowUserData(window)});
        return 0;
    }
    return platform::DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

TEST(HiddenWindow, ClassOnceUserDataAndQueuedDelivery) {
    platform::Instance instance = platform::CurrentModuleInstance();
    ASSERT_TRUE(platform::RegisterWindowClass("PlatformTestClass", Record, instance));
    EXPECT_FALSE(platform::RegisterWindowClass("PlatformTestClass", Record, instance));
    EXPECT_TRUE(platform::IsWindowClassRegistered("PlatformTestClass", instance));
    EXPECT_EQ(nullptr, platform::CreateHiddenWindow("NoSuchClass", "", instance));

    platform::Window window = platform::CreateHiddenWindow("PlatformTestClass", "test", instance);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(instance, platform::WindowInstance(window));
    platform::SetWindowUserData(window, 1234);
    EXPECT_EQ(1234, platform::WindowUserData(window));

    seen.clear();
    ASSERT_TRUE(platform::PostWindowMessage(window, platform::messages::kUser + 1, 7, 8));
    ASSERT_TRUE(platform::PostWindowMessage(window, platform::messages::kUser + 2, 9, 10));
    EXPECT_TRUE(seen.empty());  // nothing is delivered until the owner pumps
    EXPECT_TRUE(platform::PumpMessages());
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(platform::messages::kUser + 1, seen[0].message);
    EXPECT_EQ(7u, seen[0].wParam);
    EXPECT_EQ(10, seen[1].lParam);
    EXPECT_EQ(1234, seen[1].userData);

    platform::DestroyWindow(window);
#if !defined(_WIN32)
    EXPECT_FALSE(platform::PostWindowMessage(window, platform::messages::kUser, 0, 0));
    EXPECT_EQ(0, platform::WindowUserData(window));
#endif
}

#if !defined(_WIN32)
TEST(FramebufferWindow, OwnsA24BitFramebuffer) {
    platform::Window window = platform::CreateFramebufferWindow("host", 640, 480);
    ASSERT_NE(nullptr, window);
    int width = 0, height = 0, pitch = 0;
    uint8_t* pixels = platform::WindowFramebuffer(window, &width, &height, &pitch);
    ASSERT_NE(nullptr, pixels);
    EXPECT_EQ(640, width);
    EXPECT_EQ(480, height);
    EXPECT_EQ(1920, pitch);
    pixels[pitch * height - 1] = 9;
    EXPECT_EQ(nullptr, platform::CreateFramebufferWindow("bad", 0, 480));
    platform::DestroyWindow(window);
}
#endif
