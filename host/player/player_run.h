#pragma once

#include <cstdint>
#include <string>

#include "host/kit/host_kit.h"
#include "host/player/picture_override.h"
#include "host/player/player_options.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "tools/assets/game_folder.h"

namespace player {

// One run of the demo as the player sets it up, in a window or headless: the demo's files and
// libraries, which music plays, the demo's flags, and what the run's end means for the exit
// status (console::PlayStatus). Both kinds of run are made from it, so these rules live here once.
class PlayerRun {
public:
    // Finds the demo's files (options.assetsFolder, else the sample set) whatever their letter
    // case, checks that they are there and the music can be read, warns of music that holds less
    // than its header says, makes the --override folder and loads the libraries. kPlayed when the
    // run can start; else the exit status, having said why on standard error.
    int Prepare(const PlayerOptions& options);

    // The music file as found: what the player plays, and what a video takes its sound from.
    const std::string& MusicFile() const { return files_.music; }
    uint32_t MusicLengthMs() const { return musicLengthMs_; }
    // The host plays the music, unless --music names another number than the demo asks for;
    // the demo's own player then takes over.
    bool HostRefusesMusic() const { return hostRefuses_; }

    // The host kit for the run: headless on the virtual clock, or on the real one.
    host::HostKitSettings KitSettings(bool headless) const;

    // Plays the demo once on the kit.
    host::DemoRunReport Run(host::HostKit& kit, bool loopMusic, bool keyCancel);
    // The exit status the run ends with, having said what went wrong.
    int Outcome(const host::DemoRunReport& report) const;

private:
    assetkit::GameFiles files_;
    PictureOverride override_;
    std::string folder_;  // the one the demo plays in: the game's, or the --override folder
    host::DemoLibraries libraries_;
    bool hostRefuses_ = false;
    uint32_t musicLengthMs_ = 0;
};

// Prints "prelo-play: <line>" on standard error for every line of text.
void Tell(const std::string& text);
// Another program's name in those lines (prelo-assets, which renders through the player's run).
void SetToldProgram(const char* name);

}  // namespace player
