#include "host/player/headless_render.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/kit/wav_length.h"
#include "host/player/asset_folder.h"
#include "host/player/contact_sheet.h"
#include "host/player/progress_bar.h"
#include "host/player/render_pacer.h"
#include "host/player/timeline.h"
#include "host/player/video_writer.h"
#include "host/runner/demo_run.h"
#include "platform/process_path.h"
#include "png/png_file.h"

namespace player {
namespace {

bool MakeFolder(const std::string& path) { return ::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }

}  // namespace

int RenderHeadless(const PlayerOptions& options, const std::string& assets, const host::DemoLibraries& libraries) {
    const std::string out =
        options.renderFolder[0] == '/' ? options.renderFolder : platform::CurrentFolder() + "/" + options.renderFolder;
    if (!MakeFolder(out) || (options.pngFrames && !MakeFolder(out + "/frames"))) {
        std::fprintf(stderr, "prelo-play: cannot make the output folder %s\n", out.c_str());
        return 4;
    }

    const std::string wav = assets + "/Vuvi01.wav";
    host::HostKitSettings settings;
    settings.headless = true;
    if (uint32_t length = 0; host::WavFileLengthMs(wav.c_str(), &length)) settings.sound.lengthMs = length;
    settings.sound.refuse = options.musicNumber >= 0 && options.musicNumber != DemoMusicNumber(assets);
    // A render plays the music once, so it ends where the music ends.
    const uint32_t toMs = options.toMs < settings.sound.lengthMs ? options.toMs : settings.sound.lengthMs;
    const std::vector<uint32_t> times = FrameTimes(options.fromMs, toMs, options.fps);
    if (times.empty()) {
        std::fprintf(stderr, "prelo-play: no frame lies between %u and %u ms\n", options.fromMs, toMs);
        return 4;
    }

    host::HostKit kit(settings);
    RenderPacer pacer(times);
    // The sheet's cells, looked up by the frame they show.
    const std::vector<SheetShot> shots = PlanSheet(times);
    std::vector<std::vector<size_t>> shotsOfFrame(times.size());
    for (size_t i = 0; i < shots.size(); ++i) shotsOfFrame[shots[i].frame].push_back(i);
    ContactSheet sheet(static_cast<int>(shots.size()));
    bool sheetUsed = false;

    VideoWriter video;
    const bool wantVideo = options.video && VideoWriter::FfmpegAvailable();
    const std::string videoPath = out + "/prelo.mp4";
    if (options.video && !wantVideo) std::fprintf(stderr, "prelo-play: ffmpeg is not installed; no video\n");
    if (wantVideo && !video.Open(videoPath, host::HostWindow::kWidth, host::HostWindow::kHeight, options.fps, wav,
                                 times.front(), toMs - times.front())) {
        std::fprintf(stderr, "prelo-play: cannot start ffmpeg\n");
        return 4;
    }

    bool writeFailed = false;
    const bool tty = ::isatty(STDERR_FILENO) != 0;
    const auto started = std::chrono::steady_clock::now();
    size_t lastReported = 0;
    auto report = [&](bool final) {
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const size_t done = pacer.FramesShown();
        // A terminal gets a live bar; a log gets a line every tenth of the way.
        if (tty || final || done >= lastReported + times.size() / 10 + 1) {
            std::fprintf(stderr, "%s%s%s", tty ? "\r" : "", ProgressLine(done, times.size(), elapsed).c_str(),
                         tty && !final ? "" : "\n");
            lastReported = done;
        }
    };

    kit.Loop().SetFrameCallback([&](uint32_t) {
        const RenderPacer::Step step =
            kit.Sound().Playing() ? pacer.OnKeepRunning(kit.Sound().PositionMs()) : pacer.OnKeepRunning(0);
        if (step.capture) {
            kit.Window().Capture();
            int pitch = 0;
            const uint8_t* pixels = kit.Window().Framebuffer(&pitch);
            if (pixels != nullptr) {
                if (wantVideo && !video.WriteFrame(pixels, pitch)) writeFailed = true;
                if (options.pngFrames) {
                    char name[64];
                    std::snprintf(name, sizeof name, "/frames/frame_%05zu.png", step.frame);
                    if (!png::WriteBgrFrame((out + name).c_str(), pixels, host::HostWindow::kWidth,
                                            host::HostWindow::kHeight, pitch)) {
                        writeFailed = true;
                    }
                }
                for (size_t cell : shotsOfFrame[step.frame]) {
                    sheet.Place(static_cast<int>(cell), pixels, host::HostWindow::kWidth, host::HostWindow::kHeight,
                                pitch, shots[cell].label);
                    sheetUsed = true;
                }
            }
            if (tty || step.frame % 16 == 0) report(false);
        }
        if (step.done) return false;
        if (step.advanceMs != 0) kit.Stepped()->Advance(step.advanceMs);
        return !writeFailed;
    });

    host::DemoRunOptions run;
    run.assetsFolder = assets;
    run.loopMusic = false;
    run.keyCancel = false;
    host::DemoRunReport result;
    host::RunDemo(kit, libraries, run, &result);
    report(true);
    if (!result.initSucceeded) {
        std::fprintf(stderr,
                     "prelo-play: the demo did not start: its files in %s are damaged or incomplete "
                     "(see the messages above)\n",
                     assets.c_str());
        video.Close();
        return 3;
    }

    if (wantVideo) {
        if (video.Close()) {
            std::printf("video:         %s\n", videoPath.c_str());
        } else {
            std::fprintf(stderr, "prelo-play: ffmpeg could not write %s\n", videoPath.c_str());
            writeFailed = true;
        }
    }
    if (options.pngFrames) std::printf("frames:        %s/frames/ (%zu PNG files)\n", out.c_str(), pacer.FramesShown());
    if (options.contactSheet && sheetUsed) {
        const std::string sheetPath = out + "/contact-sheet.png";
        if (png::WriteBgrFrame(sheetPath.c_str(), sheet.Pixels().data(), sheet.Width(), sheet.Height(),
                               sheet.Pitch())) {
            std::printf("contact sheet: %s\n", sheetPath.c_str());
        } else {
            writeFailed = true;
        }
    }
    if (pacer.FramesShown() < times.size()) {
        std::fprintf(stderr, "prelo-play: the demo ended after %zu of %zu frames\n", pacer.FramesShown(), times.size());
    }
    return writeFailed ? 4 : 0;
}

}  // namespace player
