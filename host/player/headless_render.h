#pragma once

#include "host/player/player_options.h"
#include "host/player/player_run.h"

namespace player {

// Plays the demo on the virtual clock and writes, into options.renderFolder, the video (when
// ffmpeg is installed), the numbered PNG frames (with --png) and the contact sheet. The folders
// are made and tried before the demo starts, and what was made for a render that failed goes
// again. Prints progress to standard error and the files written to standard output. Returns
// the exit status (console::PlayStatus).
int RenderHeadless(const PlayerOptions& options, PlayerRun& run);

}  // namespace player
