// The shipped library on the reference host, headless on the virtual clock with the sample
// assets: once through the whole timeline with music that does not loop, ended by the music.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "demo/runtime/schedule.h"
#include "host/kit/host_kit.h"
#include "host/kit/wav_length.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "platform/file.h"

namespace {

constexpr uint32_t kFrameStepMs = 100;

int32_t WindowOf(uint32_t nowMs) {
    for (int32_t i = 0; i < kSceneCount; ++i) {
        if (nowMs < kSceneEndsMs[i]) return i;
    }
    return -1;
}

std::string AssetsFolder() { return PRELO_SAMPLE_ASSETS_DIR; }

}  // namespace

TEST(FullTimeline, EveryWindowInOrderThenTheMusicEndsTheRun) {
    platform::ReadFile archive;
    if (!archive.Open((AssetsFolder() + "/Prelo.zpx").c_str())) GTEST_SKIP() << "no sample assets";
    archive.Close();
    uint32_t musicMs = 0;
    ASSERT_TRUE(host::WavFileLengthMs((AssetsFolder() + "/Vuvi01.wav").c_str(), &musicMs));
    ASSERT_GT(musicMs, kTimelineEndMs);

    host::DemoLibraries libraries;
    std::string error;
    ASSERT_TRUE(libraries.Load(host::ModuleFolder(), "Prelo", &error)) << error;
    host::HostKitSettings settings;
    settings.loop.frameStepMs = kFrameStepMs;
    settings.sound.lengthMs = musicMs;
    host::HostKit kit(settings);
    std::vector<int32_t> windows;
    kit.Loop().SetFrameCallback([&](uint32_t now) {
        const int32_t window = WindowOf(now);
        if (windows.empty() || windows.back() != window) windows.push_back(window);
        return true;
    });

    host::DemoRunOptions options;
    options.assetsFolder = AssetsFolder();
    options.loopMusic = false;
    host::DemoRunReport report;
    ASSERT_TRUE(host::RunDemo(kit, libraries, options, &report)) << report.error;
    ASSERT_EQ(1, report.initResult);

    EXPECT_EQ((std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -1}), windows);
    EXPECT_GE(kit.Clock().NowMs(), musicMs);
    EXPECT_LE(kit.Clock().NowMs(), musicMs + 3 * kFrameStepMs);
    EXPECT_FALSE(kit.Sound().Playing());
}
