// The whole demo played headless on the virtual clock with the sample assets, as a game host
// plays it; chosen frames of every scene are compared with stored hashes. The Windows build runs
// this same program under wine against the same hashes, so a pass there means both builds draw
// identical frames.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/kit/wav_length.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "host/runner/frame_recorder.h"
#include "platform/file.h"

namespace {

struct GoldenFrame {
    uint32_t timeMs;
    uint64_t hash;
};

constexpr uint32_t kFrameStepMs = 40;

// Two or more frames of every scene, at times that are multiples of the frame step.
constexpr GoldenFrame kGoldenFrames[] = {
#include "tests/scenes/golden_frames.inc"
};

std::string AssetsFolder() { return PRELO_SAMPLE_ASSETS_DIR; }

bool AssetsPresent() {
    platform::ReadFile archive;
    return archive.Open((AssetsFolder() + "/Prelo.zpx").c_str());
}

TEST(GoldenFrames, EverySceneDrawsTheStoredFrames) {
    if (!AssetsPresent()) GTEST_SKIP() << "no sample assets in " << AssetsFolder() << " (build sample_assets)";
    host::DemoLibraries libraries;
    std::string error;
    ASSERT_TRUE(libraries.Load(host::ModuleFolder(), "Prelo", &error)) << error;

    host::HostKitSettings settings;
    settings.loop.frameStepMs = kFrameStepMs;
    settings.loop.stopAfterMs = 125000;
    uint32_t musicLength = 0;
    if (host::WavFileLengthMs((AssetsFolder() + "/Vuvi01.wav").c_str(), &musicLength)) {
        settings.sound.lengthMs = musicLength;
    }
#ifdef _WIN32
    // The movie goes to the window through GDI, not through the screen surface; only a window on
    // the display keeps what was blitted to it, so that the capture can read it back.
    settings.visibleWindow = true;
#endif
    host::HostKit kit(settings);
    std::vector<uint32_t> times;
    for (const GoldenFrame& frame : kGoldenFrames) times.push_back(frame.timeMs);
    host::FrameRecorder recorder(kit.Window(), times, 0, std::string(), nullptr);
    kit.Loop().SetFrameCallback([&](uint32_t now) { return recorder.OnFrame(now); });

    host::DemoRunOptions options;
    options.assetsFolder = AssetsFolder();
    host::DemoRunReport report;
    ASSERT_TRUE(host::RunDemo(kit, libraries, options, &report)) << report.error;
    ASSERT_EQ(1, report.initResult);

    const auto& captured = recorder.Captured();
    ASSERT_EQ(captured.size(), std::size(kGoldenFrames));
    std::string table;
    bool allMatch = true;
    for (size_t i = 0; i < captured.size(); ++i) {
        EXPECT_EQ(captured[i].timeMs, kGoldenFrames[i].timeMs);
        if (captured[i].hash != kGoldenFrames[i].hash) allMatch = false;
        EXPECT_EQ(captured[i].hash, kGoldenFrames[i].hash) << "frame at " << captured[i].timeMs << " ms";
        char line[64];
        std::snprintf(line, sizeof(line), "{%" PRIu32 ", 0x%016" PRIx64 "},\n", captured[i].timeMs, captured[i].hash);
        table += line;
    }
    if (!allMatch) std::fprintf(stderr, "frames drawn by this build:\n%s", table.c_str());
}

}  // namespace
