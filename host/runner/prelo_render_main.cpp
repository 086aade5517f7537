// Plays the demo as a game host would, headless on a virtual clock (or in real time), and
// reports chosen frames.
// Exit status: 0 played, 1 bad arguments, 2 libraries missing, 3 the demo's Init failed,
// 4 a frame could not be written.
#include <cstdio>
#include <string>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "host/runner/frame_recorder.h"
#include "host/runner/install_layout.h"
#include "host/runner/render_options.h"
#include "host/runner/render_run.h"
#include "platform/process_path.h"
#include "prelo/version.h"

namespace {

// Absolute before the demo moves the current folder to its assets.
std::string Absolute(const std::string& path) {
    if (path.empty() || path[0] == '/' || path[0] == '\\' || (path.size() > 1 && path[1] == ':')) return path;
    return platform::CurrentFolder() + platform::PathSeparator() + path;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    host::RenderOptions options;
    std::string error;
    if (!host::ParseRenderOptions(args, &options, &error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), host::RenderUsage());
        return 1;
    }
    if (options.help) {
        std::printf("%s", host::RenderUsage());
        return 0;
    }
    if (options.version) {
#if defined(_WIN32)
        std::printf("prelo-host %s\n", PRELO_VERSION);
#else
        std::printf("prelo-render %s\n", PRELO_VERSION);
#endif
        return 0;
    }
    const std::string assets =
        Absolute(options.assetsFolder.empty() ? host::DefaultAssetFolder() : options.assetsFolder);
    const std::string out = Absolute(options.outFolder);

    host::DemoLibraries libraries;
    if (!libraries.Load(host::ModuleFolder(), options.demoName.c_str(), &error)) {
        std::fprintf(stderr, "prelo-render: %s\n", error.c_str());
        return 2;
    }

    host::HostKit kit(host::KitSettingsFor(options, assets));
    host::FrameRecorder recorder(kit.Window(), options.captureTimes, options.captureEveryMs, out, stdout);
    kit.Loop().SetFrameCallback([&recorder](uint32_t nowMs) { return recorder.OnFrame(nowMs); });

    host::DemoRunReport report;
    host::RunDemo(kit, libraries, host::RunOptionsFor(options, assets), &report);
    std::fprintf(stderr, "prelo-render: %lu frames, ended at %lu ms%s%s\n",
                 static_cast<unsigned long>(kit.Loop().FramesAnswered()),
                 static_cast<unsigned long>(kit.Loop().ElapsedMs()), report.error.empty() ? "" : "; ",
                 report.error.c_str());
    if (!report.initSucceeded) return 3;
    return recorder.WriteFailed() ? 4 : 0;
}
