#pragma once

#include <string>

namespace web {

struct PlaySettings {
    std::string assetsFolder;
    // The host refuses the music, so the demo plays the music file itself and takes jump keys.
    bool demoPlaysMusic = false;
    bool keyCancel = false;
    bool loopMusic = true;
};

// Plays the demo in real time into the page, with its sound, until it ends or the page stops
// it. Returns 0 when it played, 2 when the modules are missing, 3 when the demo did not start
// (its messages have gone to the page).
int PlayInPage(const PlaySettings& settings);

// The page's pause: the clocks the demo reads stand still while paused.
void SetPaused(bool paused);

}  // namespace web
