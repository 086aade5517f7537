#pragma once

#include <string>

namespace web {

struct PlaySettings {
    std::string assetsFolder;
    // The host refuses the music, so the demo plays the music file itself and takes jump keys.
    bool demoPlaysMusic = false;
    bool keyCancel = false;
    bool loopMusic = true;
    // Music time to start at, with the host's music: the page's "Show in the demo".
    uint32_t startMs = 0;
};

// How a play ended. The numbers cross to the page as PreloPlay's result; page.js names the same
// ones.
enum class PlayOutcome : int {
    kPlayed = 0,
    kModulesMissing = 2,
    kDidNotStart = 3,
    // Init succeeded, but the demo showed a message while it played (a movie frame or picture
    // that could not be read) and ended there.
    kStoppedOnFailure = 4,
};

// Plays the demo in real time into the page, with its sound, until it ends or the page stops
// it. Whatever the demo showed has gone to the page as messages.
PlayOutcome PlayInPage(const PlaySettings& settings);

// The page's pause: the clocks the demo reads stand still while paused.
void SetPaused(bool paused);

}  // namespace web
