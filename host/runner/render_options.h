#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/console/parse_outcome.h"

namespace host {

// The Windows host is the Windows build's player: started without options (a double click) it
// plays the demo in a window in real time with its music. prelo-render, on Linux, plays headless
// on a virtual clock unless told otherwise. Both take the same options.
#if defined(_WIN32)
inline constexpr bool kPlaysByDefault = true;
inline constexpr const char* kRunnerName = "prelo-host.exe";
#else
inline constexpr bool kPlaysByDefault = false;
inline constexpr const char* kRunnerName = "prelo-render";
#endif

struct RenderOptions {
    std::string assetsFolder;       // --assets DIR (default: ../assets beside the program)
    std::string outFolder;          // --out DIR: PNG files of the captured frames; none without it
    uint32_t frameStepMs = 40;      // --step MS, or --fps N rounded down
    uint32_t framesPerSecond = 0;   // --fps N: frames at exact multiples of 1000 / N ms (0: --step)
    uint32_t stopAfterMs = 125000;  // --stop MS
    uint32_t maxFrames = 0;         // --frames N (0 = no limit)
    bool loopMusic = false;         // --loop
    bool keyCancel = false;         // --key-cancel
    // --no-host-sound: the demo plays its own music file instead. In real time it always does,
    // since the host's music is silent there and the demo's own is heard through the system.
    bool hostSound = true;
    uint32_t musicLengthMs = 0;          // --music-length MS (0 = from Vuvi01.wav, else the timeline length)
    std::vector<uint32_t> captureTimes;  // --capture T1,T2,... (sorted, duplicates removed)
    uint32_t captureEveryMs = 0;         // --every MS
    // --visible / --hidden. Windows shows the window by default: the movie is blitted onto the
    // window itself and can only be read back from a window on screen.
    bool visibleWindow = kPlaysByDefault;
    std::string demoName = "Prelo";   // --demo NAME: another library with the same exports
    bool realTime = kPlaysByDefault;  // --realtime / --headless: the real clock, one frame per step
};

// Parses the program's arguments (without the program name) into *options; anything but a run
// leaves them alone.
console::ParseOutcome ParseRenderOptions(const std::vector<std::string>& args, RenderOptions* options);

}  // namespace host
