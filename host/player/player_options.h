#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/runtime/schedule.h"
#include "tools/console/parse_outcome.h"

namespace player {

enum class Scaling { kSmooth, kInteger };

struct PlayerOptions {
    std::string assetsFolder;            // --assets DIR; empty: the generated sample set
    std::string overrideFolder;          // --override DIR: pictures cg_NNN.png replacing the archive's
    bool watch = false;                  // --watch: changed --override pictures restart their scene
    std::string archiveFile;             // prelo-assets preview: this archive in place of the game's
    bool loopMusic = true;               // --no-loop clears it
    bool keyCancel = false;              // --key-cancel
    int32_t musicNumber = -1;            // --music N: the one number the host plays; -1 plays whatever is asked
    bool fullscreen = false;             // --fullscreen
    Scaling scaling = Scaling::kSmooth;  // --scale smooth|integer
    bool overlay = false;                // --overlay: time, scene and frame rate from the start
    bool overlayToTerminal = false;      // --print-overlay: the overlay's line on standard error too

    // Headless rendering.
    std::string renderFolder;        // --render OUT
    uint32_t fps = 30;               // --fps N
    uint32_t fromMs = 0;             // --from MS
    uint32_t toMs = kTimelineEndMs;  // --to MS
    bool video = true;               // --no-video
    bool pngFrames = false;          // --png: every frame as a numbered PNG
    bool contactSheet = true;        // --no-sheet
};

// Parses the arguments after the program name over what *options already holds (the defaults,
// or the remembered settings). Anything but a run leaves *options as it was; a range that holds
// no frame is refused too.
console::ParseOutcome ParsePlayerOptions(const std::vector<std::string>& args, PlayerOptions* options);

}  // namespace player
