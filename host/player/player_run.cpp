#include "host/player/player_run.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "host/kit/wav_length.h"
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
        std::vector<assetkit::PictureFile> pictures;
        if (!options.overrideFolder.empty() &&
            !ReadOfferedPictures(options.overrideFolder, !options.archiveFile.empty(), &pictures, &error)) {
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

host::HostKitSettings PlayerRun::KitSettings(bool headless) const {
    host::HostKitSettings settings;
    settings.headless = headless;
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

int PlayerRun::Outcome(const host::DemoRunReport& report) const { return host::RunOutcome(program, report, files_); }

}  // namespace player
