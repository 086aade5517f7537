#include <gtest/gtest.h>

#include <vector>

#include "platform/mci.h"
#include "platform/window.h"

namespace {

std::vector<uintptr_t> seenByFirst;
std::vector<uintptr_t> seenBySecond;

intptr_t First(platform::Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message != platform::messages::kMciNotify)
        return platform::DefaultWindowProcedure(window, message, wParam, lParam);
    seenByFirst.push_back(wParam);
    return 1;
}

intptr_t Second(platform::Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message != platform::messages::kMciNotify)
        return platform::DefaultWindowProcedure(window, message, wParam, lParam);
    seenBySecond.push_back(wParam);
    return 1;
}

}  // namespace

// A module unloaded and loaded again registers its class anew, and the notices then reach the
// new module's procedure.
TEST(MciNotifyWindow, UserDataFromCreationAndAClassRegisteredAgain) {
    const char* name = "RuntimeTestNotifyClass";
    platform::Instance instance = platform::CurrentModuleInstance();
    ASSERT_TRUE(platform::RegisterNotifyWindowClass(name, First, instance));
    EXPECT_FALSE(platform::RegisterNotifyWindowClass(name, Second, instance));

    int owner = 0;
    platform::Window window = platform::CreateNotifyWindow(name, instance, &owner);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(reinterpret_cast<intptr_t>(&owner), platform::WindowUserData(window));
    ASSERT_TRUE(
        platform::PostWindowMessage(window, platform::messages::kMciNotify, platform::mci::kNotifySuccessful, 3));
    platform::PumpMessages();
    EXPECT_EQ(std::vector<uintptr_t>{platform::mci::kNotifySuccessful}, seenByFirst);
    platform::DestroyWindow(window);

    platform::UnregisterNotifyWindowClass(name, instance);
    ASSERT_TRUE(platform::RegisterNotifyWindowClass(name, Second, instance));
    window = platform::CreateNotifyWindow(name, instance, &owner);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(platform::PostWindowMessage(window, platform::messages::kMciNotify, platform::mci::kNotifyAborted, 3));
    platform::PumpMessages();
    EXPECT_EQ(1u, seenByFirst.size());
    EXPECT_EQ(std::vector<uintptr_t>{platform::mci::kNotifyAborted}, seenBySecond);
    platform::DestroyWindow(window);
    platform::UnregisterNotifyWindowClass(name, instance);
}
