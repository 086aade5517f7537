// Plays the demo as a game host would: headless on a virtual clock, reporting chosen frames
// (prelo-render), or in a window in real time with its music (prelo-host.exe, the Windows
// build's player). The exit statuses are console::PlayStatus.
#include <cstdio>
#include <string>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "host/runner/frame_recorder.h"
#include "host/runner/install_layout.h"
#include "host/runner/output_folder.h"
#include "host/runner/render_options.h"
#include "host/runner/render_run.h"
#include "host/runner/run_outcome.h"
#include "platform/process_path.h"
#include "tools/assets/game_folder.h"
#include "tools/console/exit_status.h"

namespace {

// Absolute before the demo moves the current folder to its assets.
std::string Absolute(const std::string& path) {
    if (path.empty() || path[0] == '/' || path[0] == '\\' || (path.size() > 1 && path[1] == ':')) return path;
    return platform::CurrentFolder() + platform::PathSeparator() + path;
}

int Fail(int status, const std::string& line) {
    std::fprintf(stderr, "%s: %s\n", host::kRunnerName, line.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    host::RenderOptions options;
    const console::ParseOutcome parsed =
        host::ParseRenderOptions(std::vector<std::string>(argv + 1, argv + argc), &options);
    if (const int status = console::FinishParse(host::kRunnerName, parsed, console::kUsage); status >= 0) return status;

    std::string error;
    const std::string assets =
        Absolute(options.assetsFolder.empty() ? host::DefaultAssetFolder() : options.assetsFolder);
    assetkit::GameFiles files;
    if (!assetkit::FindGameFiles(assets, &files, &error)) return Fail(console::kFilesMissing, error);
    if (const std::string shortfall = assetkit::MusicShortfall(files); !shortfall.empty()) {
        std::fprintf(stderr, "%s: warning: %s\n", host::kRunnerName, shortfall.c_str());
    }
    const std::string out = Absolute(options.outFolder);
    host::OutputFolders outFolders;
    if (!out.empty() && !outFolders.Make(out, &error)) return Fail(console::kOutputFailed, error);

    host::DemoLibraries libraries;
    if (!libraries.Load(host::ModuleFolder(), options.demoName.c_str(), &error)) {
        return Fail(console::kFilesMissing, error);
    }

    host::HostKit kit(host::KitSettingsFor(options, assets));
    host::FrameRecorder recorder(kit.Window(), options.captureTimes, options.captureEveryMs, out, stdout);
    kit.Loop().SetFrameCallback([&recorder](uint32_t nowMs) { return recorder.OnFrame(nowMs); });

    host::DemoRunReport report;
    host::RunDemo(kit, libraries, host::RunOptionsFor(options, assets), &report);
    std::fprintf(stderr, "%s: %lu frames, ended at %lu ms\n", host::kRunnerName,
                 static_cast<unsigned long>(kit.Loop().FramesAnswered()),
                 static_cast<unsigned long>(kit.Loop().ElapsedMs()));
    if (const int status = host::RunOutcome(host::kRunnerName, report, files); status != console::kPlayed) {
        return status;
    }
    if (recorder.WriteFailed()) return console::kOutputFailed;
    outFolders.Keep();
    return console::kPlayed;
}
