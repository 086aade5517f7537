#include "host/player/picture_preview.h"

#include <charconv>
#include <filesystem>
#include <vector>

#include "demo/runtime/schedule.h"
#include "demo/scenes/picture_roles.h"
#include "host/kit/host_kit.h"
#include "host/player/player_run.h"
#include "host/player/render_pacer.h"
#include "host/player/timeline.h"
#include "png/png_file.h"
#include "tools/assets/files.h"
#include "tools/assets/folder_manifest.h"
#include "tools/console/exit_status.h"

namespace player {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProgram = "prelo-assets";
constexpr const char* kFolderOriginal = "original.zpx";  // as extract names its copy

// The archive and override folder of a run for the source: an extract's folder is checked as
// pack checks it (its manifest and the copy of the original) and offers its pictures.
bool ChooseSource(const std::string& source, PlayerOptions* options) {
    std::error_code code;
    if (!fs::is_directory(source, code)) {
        options->archiveFile = source;
        return true;
    }
    std::vector<uint8_t> original;
    std::string error;
    if (!assetkit::ReadFolderOriginal(source, assetkit::kArchiveFolderKind, &original, &error)) {
        Tell(error);
        return false;
    }
    options->archiveFile = (fs::path(source) / kFolderOriginal).string();
    options->overrideFolder = source;
    return true;
}

// Plays on the virtual clock through frameTimes and writes the last of them to out.
int RenderLastFrame(PlayerRun& run, const std::vector<uint32_t>& frameTimes, const std::string& out) {
    host::HostKit kit(run.KitSettings(true));
    RenderPacer pacer(frameTimes);
    bool written = false;
    kit.Loop().SetFrameCallback([&](uint32_t) {
        const RenderPacer::Step step =
            kit.Sound().Playing() ? pacer.OnKeepRunning(kit.Sound().PositionMs()) : pacer.OnKeepRunning(0);
        if (step.capture && step.frame + 1 == frameTimes.size()) {
            kit.Window().Capture();
            int pitch = 0;
            const uint8_t* pixels = kit.Window().Framebuffer(&pitch);
            written = pixels != nullptr && png::WriteBgrFrame(out.c_str(), pixels, host::HostWindow::kWidth,
                                                              host::HostWindow::kHeight, pitch);
            if (!written) Tell("cannot write " + out);
        }
        if (step.done) return false;
        if (step.advanceMs != 0) kit.Stepped()->Advance(step.advanceMs);
        return true;
    });
    const host::DemoRunReport report = run.Run(kit, false, false);
    if (run.Outcome(report) != console::kPlayed) return 1;
    if (!written && pacer.FramesShown() < frameTimes.size()) Tell("the demo ended before the picture's moment");
    return written ? 0 : 1;
}

}  // namespace

int PreviewPicture(const PreviewRequest& request) {
    SetToldProgram(kProgram);
    int32_t index = -1;
    const char* end = request.index.data() + request.index.size();
    if (std::from_chars(request.index.data(), end, index).ptr != end || index < 0) {
        Tell("INDEX must be an archive index (0, 1, ...), not '" + request.index + "'");
        return console::kAssetsMisused;
    }
    const PictureRole* role = FindPictureRole(index);
    if (role == nullptr) {
        Tell("no scene shows picture " + request.index);
        return 1;
    }
    if (!role->Shown()) {
        Tell("scene " + std::to_string(role->scene) + " loads picture " + request.index + " but never draws it");
        return 1;
    }
    PlayerOptions options;
    options.assetsFolder = request.assetsFolder;
    if (!ChooseSource(request.source, &options)) return 1;
    PlayerRun run;
    if (run.Prepare(options) != console::kPlayed) return 1;

    // From the scene's start, so that what the scene builds up over its frames is there too.
    std::vector<uint32_t> times = FrameTimes(SceneStartMs(role->scene), role->MiddleMs(), request.fps);
    times.push_back(role->MiddleMs());
    // The demo plays in its own folder: a relative name is the caller's.
    std::error_code code;
    const std::string out = fs::absolute(request.out, code).string();
    if (const int status = RenderLastFrame(run, times, out); status != 0) return status;
    std::printf("preview: picture %d, %s, scene %d at %u ms, in %s\n", index, role->role, role->scene, role->MiddleMs(),
                assetkit::Shown(request.out).c_str());
    return 0;
}

}  // namespace player
