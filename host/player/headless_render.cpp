#include "host/player/headless_render.h"

#include <cstdio>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/player/contact_sheet.h"
#include "host/player/render_pacer.h"
#include "host/player/timeline.h"
#include "host/player/video_writer.h"
#include "host/runner/output_folder.h"
#include "platform/process_path.h"
#include "png/png_file.h"
#include "tools/assets/progress.h"
#include "tools/console/exit_status.h"

namespace player {

int RenderHeadless(const PlayerOptions& options, PlayerRun& run) {
    const std::string out =
        options.renderFolder[0] == '/' ? options.renderFolder : platform::CurrentFolder() + "/" + options.renderFolder;
    const host::HostKitSettings settings = run.KitSettings(true);
    // A render plays the music once, so it ends where the music ends.
    const uint32_t toMs = options.toMs < settings.sound.lengthMs ? options.toMs : settings.sound.lengthMs;
    const std::vector<uint32_t> times = FrameTimes(options.fromMs, toMs, options.fps);
    if (times.empty()) {
        Tell("no frame lies between " + std::to_string(options.fromMs) + " and " + std::to_string(toMs) + " ms");
        return console::kOutputFailed;
    }
    host::OutputFolders folders;
    std::string error;
    if (!folders.Make(out, &error) || (options.pngFrames && !folders.Make(out + "/frames", &error))) {
        Tell(error);
        return console::kOutputFailed;
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
    if (options.video && !wantVideo) Tell("ffmpeg is not installed; no video");
    if (wantVideo && !video.Open(videoPath, host::HostWindow::kWidth, host::HostWindow::kHeight, options.fps,
                                 run.MusicFile(), times.front(), toMs - times.front())) {
        Tell("cannot start ffmpeg");
        return console::kOutputFailed;
    }

    bool writeFailed = false;
    host::DemoRunReport report;
    {
        assetkit::Progress progress("render", times.size(), true);
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
                            Tell("cannot write " + out + name);
                            writeFailed = true;
                        }
                    }
                    for (size_t cell : shotsOfFrame[step.frame]) {
                        sheet.Place(static_cast<int>(cell), pixels, host::HostWindow::kWidth, host::HostWindow::kHeight,
                                    pitch, shots[cell].label);
                        sheetUsed = true;
                    }
                }
                progress.Done(pacer.FramesShown());
            }
            if (step.done) return false;
            if (step.advanceMs != 0) kit.Stepped()->Advance(step.advanceMs);
            return !writeFailed;
        });
        report = run.Run(kit, false, false);
    }
    if (const int status = run.Outcome(report); status != console::kPlayed) return status;

    if (wantVideo) {
        if (video.Close()) {
            std::printf("video:         %s\n", videoPath.c_str());
        } else {
            Tell("ffmpeg could not write " + videoPath);
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
            Tell("cannot write " + sheetPath);
            writeFailed = true;
        }
    }
    if (writeFailed) return console::kOutputFailed;
    if (pacer.FramesShown() < times.size()) {
        Tell("the demo ended after " + std::to_string(pacer.FramesShown()) + " of " + std::to_string(times.size()) +
             " frames");
    }
    folders.Keep();
    return console::kPlayed;
}

}  // namespace player
