#include "host/player/player_run.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "demo/runtime/schedule.h"
#include "demo/scenes/picture_roles.h"
#include "host/kit/wav_length.h"
#include "host/player/timeline.h"
#include "host/runner/install_layout.h"
#include "host/runner/run_outcome.h"
#include "platform/process_path.h"
#include "tools/console/exit_status.h"

namespace player {
namespace {

const char* program = "prelo-play";

// The music number the demo asks for: the first decimal number of its settings file, else 2.
int32_t DemoMusicNumber(const std::string& settingsFile) {
    int number = 2;
    if (settingsFile.empty()) return number;
    std::ifstream file(settingsFile, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return std::sscanf(text.str().c_str(), "%d", &number) == 1 ? number : 2;
}

// The scene to play again for changed pictures: the one on the screen when it shows one of them,
// else the earliest to show one; -1 when none does.
int SceneToRestart(const std::vector<uint32_t>& changed, int sceneNow) {
    int earliest = -1;
    for (uint32_t index : changed) {
        for (const PictureRole& row : PictureRolesOf(static_cast<int32_t>(index))) {
            if (row.scene == sceneNow) return sceneNow;
            if (earliest < 0 || row.scene < earliest) earliest = row.scene;
        }
    }
    return earliest;
}

}  // namespace

void SetToldProgram(const char* name) { program = name; }

void Tell(const std::string& text) {
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::fprintf(stderr, "%s: %s\n", program, text.substr(start, end - start).c_str());
        start = end + 1;
    }
}

int PlayerRun::Prepare(const PlayerOptions& options) {
    std::string folder = options.assetsFolder.empty() ? host::DefaultAssetFolder() : options.assetsFolder;
    if (!folder.empty() && folder[0] != '/') folder = platform::CurrentFolder() + "/" + folder;
    std::string error;
    if (!assetkit::FindGameFiles(folder, &files_, &error)) {
        Tell(options.assetsFolder.empty()
                 ? "the sample set is not where it belongs (" + error + "); give the demo's files with --assets DIR"
                 : error + " (given with --assets)");
        return console::kFilesMissing;
    }
    if (!options.archiveFile.empty()) files_.archive = options.archiveFile;
    if (const std::string missing = assetkit::MissingFiles(files_); !missing.empty()) {
        Tell(missing);
        return console::kFilesMissing;
    }
    if (!assetkit::MusicReadable(files_, &error)) {
        Tell(error);
        return console::kFileDamaged;
    }
    if (const std::string shortfall = assetkit::MusicShortfall(files_); !shortfall.empty()) {
        Tell("warning: " + shortfall);
    }
    hostRefuses_ = options.musicNumber >= 0 && options.musicNumber != DemoMusicNumber(files_.settings);
    host::WavFileLengthMs(files_.music.c_str(), &musicLengthMs_);

    folder_ = folder;
    if (!options.overrideFolder.empty() || !options.archiveFile.empty()) {
        // A given archive comes into the run through the override's folder, under the name the
        // demo opens it by.
        // The first look before the files are read, so that nothing written in between is missed.
        // The demo plays in its own folder: the watched one is named whole.
        overrideFolder_ = options.overrideFolder;
        if (!overrideFolder_.empty() && overrideFolder_[0] != '/') {
            overrideFolder_ = platform::CurrentFolder() + "/" + overrideFolder_;
        }
        if (options.watch) watch_ = std::make_unique<PictureWatch>(overrideFolder_);
        std::vector<assetkit::PictureFile> pictures;
        // A watched folder may start empty: pictures come as they are made.
        if (!options.overrideFolder.empty() &&
            !ReadOfferedPictures(options.overrideFolder, !options.archiveFile.empty() || options.watch, &pictures,
                                 &error)) {
            Tell((options.archiveFile.empty() ? "--override " : "") + error);
            return console::kFilesMissing;
        }
        if (!override_.Prepare(files_, pictures, &error)) {
            Tell(error);
            return console::kFilesMissing;
        }
        if (!options.overrideFolder.empty()) {
            Tell(std::to_string(override_.Replaced()) + " pictures from " + options.overrideFolder +
                 " replace the archive's for this run");
        }
        folder_ = override_.Folder();
    }
    if (!libraries_.Load(host::ModuleFolder(), "Prelo", &error)) {
        Tell(error);
        return console::kFilesMissing;
    }
    return console::kPlayed;
}

host::HostKitSettings PlayerRun::KitSettings(bool headless, uint32_t fromMs) const {
    host::HostKitSettings settings;
    settings.headless = headless;
    settings.startMs = fromMs;
    settings.sound.startAtMs = fromMs;
    settings.sound.refuse = hostRefuses_;
    if (musicLengthMs_ != 0) settings.sound.lengthMs = musicLengthMs_;
    return settings;
}

host::DemoRunReport PlayerRun::Run(host::HostKit& kit, bool loopMusic, bool keyCancel) {
    host::DemoRunOptions run;
    run.assetsFolder = folder_;
    run.loopMusic = loopMusic;
    run.keyCancel = keyCancel;
    host::DemoRunReport report;
    host::RunDemo(kit, libraries_, run, &report);
    return report;
}

host::DemoRunReport PlayerRun::RunRestarting(const std::function<host::DemoRunReport(uint32_t fromMs)>& runFrom) {
    for (uint32_t fromMs = 0;;) {
        restartAsked_ = false;
        const host::DemoRunReport report = runFrom(fromMs);
        if (!restartAsked_) return report;
        fromMs = restartAtMs_;
    }
}

bool PlayerRun::PicturesChanged(uint32_t clockMs, uint32_t musicMs) {
    if (watch_ == nullptr || restartAsked_) return restartAsked_;
    if (looked_ && clockMs - lastLookMs_ < kWatchEveryMs) return false;
    looked_ = true;
    lastLookMs_ = clockMs;
    const std::vector<uint32_t> changed = watch_->Changes();
    if (changed.empty()) return false;
    std::vector<assetkit::PictureFile> pictures;
    std::string error;
    if (!ReadOfferedPictures(overrideFolder_, true, &pictures, &error) || !override_.Repack(pictures, &error)) {
        for (size_t at; (at = error.find('\n')) != std::string::npos;) error.replace(at, 1, "; ");
        Tell("not taken, playing on with the pictures as they were: " + error);
        return false;
    }
    const int scene = SceneToRestart(changed, SceneAt(musicMs));
    if (scene < 0) {
        Tell("no scene shows the pictures changed in " + overrideFolder_);
        return false;
    }
    // The demo's own music player always starts at the beginning; the host's starts anywhere.
    restartAtMs_ = hostRefuses_ ? 0 : SceneStartMs(scene);
    Tell("picture change taken: scene " + std::to_string(scene) + " again from " + std::to_string(restartAtMs_) +
         " ms");
    restartAsked_ = true;
    return true;
}

int PlayerRun::Outcome(const host::DemoRunReport& report) const { return host::RunOutcome(program, report, files_); }

}  // namespace player
