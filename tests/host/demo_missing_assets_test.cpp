// A host whose game folder lacks the demo's archive: Init fails with result 0 and a message, and
// Run returns at once instead of playing. (Linux only: on Windows the message box would wait
// for a click.)
#include <gtest/gtest.h>

#include <string>

#include "host/kit/host_kit.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "platform/message_box.h"

namespace {

TEST(DemoMissingAssets, InitFailsWithTheArchiveMessageAndRunReturns) {
    host::DemoLibraries libraries;
    std::string error;
    ASSERT_TRUE(libraries.Load(host::ModuleFolder(), "Prelo", &error)) << error;
    platform::SetMessageEcho(false);
    platform::ClearRecordedMessages();

    host::HostKitSettings settings;
    settings.loop.frameStepMs = 40;
    settings.loop.stopAfterMs = 2000;
    host::HostKit kit(settings);
    host::DemoRunOptions options;  // stays in the test's folder, which holds no archive
    host::DemoRunReport report;
    EXPECT_FALSE(host::RunDemo(kit, libraries, options, &report));
    EXPECT_EQ(0, report.initResult);
    EXPECT_EQ(0u, kit.Loop().FramesAnswered());
    EXPECT_EQ(0u, kit.Screen().PresentCount());

    const auto messages = platform::RecordedMessages();
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("Prelo.dll", messages[0].caption);
    EXPECT_NE(std::string::npos, messages[0].text.find("Prelo.zpx"));
}

}  // namespace
