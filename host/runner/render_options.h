#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct RenderOptions {
    std::string assetsFolder;            // --assets DIR (default: ../assets beside the program)
    std::string outFolder;               // --out DIR: PNG files of the captured frames; none without it
    uint32_t frameStepMs = 40;           // --step MS, or --fps N rounded down
    uint32_t framesPerSecond = 0;        // --fps N: frames at exact multiples of 1000 / N ms (0: --step)
    uint32_t stopAfterMs = 125000;       // --stop MS
    uint32_t maxFrames = 0;              // --frames N (0 = no limit)
    bool loopMusic = false;              // --loop
    bool keyCancel = false;              // --key-cancel
    bool hostSound = true;               // --no-host-sound: the demo plays its own music file instead
    uint32_t musicLengthMs = 0;          // --music-length MS (0 = from Vuvi01.wav, else the timeline length)
    std::vector<uint32_t> captureTimes;  // --capture T1,T2,... (sorted, duplicates removed)
    uint32_t captureEveryMs = 0;         // --every MS
    // --visible / --hidden. Windows shows the window by default: the movie is blitted onto the
    // window itself and can only be read back from a window on screen.
#if defined(_WIN32)
    bool visibleWindow = true;
#else
    bool visibleWindow = false;
#endif
    std::string demoName = "Prelo";  // --demo NAME: another library with the same exports
    bool realTime = false;           // --realtime: play on the real clock, one frame per step
    bool help = false;               // --help
    bool version = false;            // --version
};

// Parses the program's arguments (without the program name). False with a one-line reason for
// an unknown option, a missing value or a number that is not a plain decimal within 32 bits.
bool ParseRenderOptions(const std::vector<std::string>& args, RenderOptions* options, std::string* error);

const char* RenderUsage();

}  // namespace host
