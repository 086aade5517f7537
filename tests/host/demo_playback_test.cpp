// The demo library played by the host kit as a game host plays it: Graph, Layerforge and the
// demo loaded from the program's folder, Init with the kit's services, Run on the virtual clock.
#include <gtest/gtest.h>

#include <string>

#include "host/kit/host_kit.h"
#include "host/kit/wav_length.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "host/runner/frame_recorder.h"
#include "platform/file.h"
#include "platform/process_path.h"

namespace {

std::string AssetsFolder() { return PRELO_SAMPLE_ASSETS_DIR; }

bool AssetsPresent() {
    platform::ReadFile archive;
    return archive.Open((AssetsFolder() + "/Prelo.zpx").c_str());
}

bool Uniform(host::HostWindow& window) {
    int pitch = 0;
    const uint8_t* pixels = window.Framebuffer(&pitch);
    for (int y = 0; y < host::HostWindow::kHeight; ++y)
        for (int x = 0; x < host::HostWindow::kWidth * 3; ++x)
            if (pixels[y * pitch + x] != pixels[0]) return false;
    return true;
}

TEST(DemoPlayback, OpeningScenesPlayHeadlessOnTheVirtualClock) {
    if (!AssetsPresent()) GTEST_SKIP() << "no sample assets in " << AssetsFolder() << " (build sample_assets)";
    host::DemoLibraries libraries;
    std::string error;
    ASSERT_TRUE(libraries.Load(host::ModuleFolder(), "Prelo", &error)) << error;

    host::HostKitSettings settings;
    settings.loop.frameStepMs = 40;
    settings.loop.stopAfterMs = 6000;
    uint32_t musicLength = 0;
    if (host::WavFileLengthMs((AssetsFolder() + "/Vuvi01.wav").c_str(), &musicLength)) {
        settings.sound.lengthMs = musicLength;
    }
    host::HostKit kit(settings);
    host::FrameRecorder recorder(kit.Window(), {0, 1000, 4000, 5960}, 0, std::string(), nullptr);
    bool uniformAt1000 = true;
    kit.Loop().SetFrameCallback([&](uint32_t now) {
        recorder.OnFrame(now);
        if (now == 1000) uniformAt1000 = Uniform(kit.Window());
        return true;
    });

    host::DemoRunOptions options;
    options.assetsFolder = AssetsFolder();
    host::DemoRunReport report;
    const std::string folder = platform::CurrentFolder();
    ASSERT_TRUE(host::RunDemo(kit, libraries, options, &report)) << report.error;
    EXPECT_EQ(1, report.initResult);
    EXPECT_EQ(folder, platform::CurrentFolder());  // the assets folder was only entered for the run

    // Run returned because the loop stopped it, after the music had started on the host sound.
    EXPECT_GT(kit.Clock().NowMs(), 6000u);
    EXPECT_NE(-1, kit.Sound().MusicNumber());
    EXPECT_FALSE(kit.Sound().Playing());  // stopped by the demo on its way out
    EXPECT_GE(kit.Screen().PresentCount(), 140u);
    EXPECT_GE(kit.Input().Refreshes(), 1u);

    const auto& frames = recorder.Captured();
    ASSERT_EQ(4u, frames.size());
    EXPECT_EQ(1000u, frames[1].timeMs);
    EXPECT_FALSE(uniformAt1000) << "scene 0 shows no picture at 1000 ms";
    EXPECT_NE(frames[0].hash, frames[1].hash);
    EXPECT_NE(frames[1].hash, frames[2].hash);  // the fade goes on
    EXPECT_NE(frames[2].hash, frames[3].hash);  // scene 1's ripple
}

}  // namespace
