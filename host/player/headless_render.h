#pragma once

#include <string>

#include "host/player/player_options.h"
#include "host/runner/demo_libraries.h"

namespace player {

// Plays the demo on the virtual clock and writes, into options.renderFolder, the video (when
// ffmpeg is installed), the numbered PNG frames (with --png) and the contact sheet. Prints
// progress to standard error and the files written to standard output. Returns the process
// exit status: 0 done, 3 the demo did not start, 4 an output could not be written.
int RenderHeadless(const PlayerOptions& options, const std::string& assets, const host::DemoLibraries& libraries);

}  // namespace player
