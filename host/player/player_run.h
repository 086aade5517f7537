#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "host/kit/host_kit.h"
#include "host/player/picture_override.h"
#include "host/player/picture_watch.h"
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

    // The host kit for the run: headless on the virtual clock, or on the real one; its clock and
    // the host's music start at music time fromMs (a clock the caller gives must stand there too).
    host::HostKitSettings KitSettings(bool headless, uint32_t fromMs = 0) const;

    // Plays the demo once on the kit.
    host::DemoRunReport Run(host::HostKit& kit, bool loopMusic, bool keyCancel);

    // --watch: runFrom(music time to start at) plays one run, from 0 first and then again each
    // time a run was ended for changed pictures; the report is the last run's. Without --watch,
    // one run from 0.
    host::DemoRunReport RunRestarting(const std::function<host::DemoRunReport(uint32_t fromMs)>& runFrom);
    // Called once a frame, with any clock in ms (a paused player's keeps going) and the music
    // time on screen. Looks at the --override folder at most every kWatchEveryMs; a change the
    // checks of prelo-assets pack accept goes into the run's archive and answers true: end the
    // run, RunRestarting starts the scene that shows the picture. A refusal is said in one line
    // and the run plays on with the pictures it had.
    bool PicturesChanged(uint32_t clockMs, uint32_t musicMs);
    static constexpr uint32_t kWatchEveryMs = 250;
    // The exit status the run ends with, having said what went wrong.
    int Outcome(const host::DemoRunReport& report) const;

private:
    assetkit::GameFiles files_;
    PictureOverride override_;
    std::string folder_;  // the one the demo plays in: the game's, or the --override folder
    host::DemoLibraries libraries_;
    bool hostRefuses_ = false;
    uint32_t musicLengthMs_ = 0;
    std::string overrideFolder_;
    std::unique_ptr<PictureWatch> watch_;  // with --watch
    bool looked_ = false;
    uint32_t lastLookMs_ = 0;
    bool restartAsked_ = false;
    uint32_t restartAtMs_ = 0;
};

// Prints "prelo-play: <line>" on standard error for every line of text.
void Tell(const std::string& text);
// Another program's name in those lines (prelo-assets, which renders through the player's run).
void SetToldProgram(const char* name);

}  // namespace player
