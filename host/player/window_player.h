#pragma once

#include <string>

#include "host/player/player_options.h"
#include "host/player/player_settings.h"
#include "host/runner/demo_libraries.h"

namespace player {

// Plays the demo in an SDL window with sound, keys and the overlay until it ends, the window
// closes or a cancel key ends it. Starts at remembered->volume; leaves the fullscreen, scaling and
// volume it ended with in *remembered. Returns the process exit status: 0 played, 3 the demo did
// not start, 5 no display.
int PlayInWindow(const PlayerOptions& options, const std::string& assets, const host::DemoLibraries& libraries,
                 PlayerSettings* remembered);

}  // namespace player
