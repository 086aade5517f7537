#pragma once

#include <cstdint>
#include <string>

namespace web {

// A headless run on the virtual clock: prelo-render's options that the tests and the benchmark
// use, given as values (the page's module carries no command-line reader).
struct VirtualClockRun {
    std::string assetsFolder;
    uint32_t frameStepMs = 40;
    uint32_t stopAfterMs = 125000;
    std::string captureTimes;  // "T1,T2,..." in ms, or empty
    // Music time to start at, as the page's "Show in the demo" starts: the clock and the music
    // both begin there, and capture and stop times stay music times.
    uint32_t startMs = 0;
};

// Plays the demo headless on the virtual clock, printing the same "frame MS HASH -" lines to
// standard output as prelo-render, so the browser build's frames can be compared with any other
// build's. Returns prelo-render's exit status.
int RenderOnVirtualClock(const VirtualClockRun& run);

// The same run, timing every frame and showing it in the page: prints "scene N FPS" for each
// scene, the frames per second the browser draws and shows it at. Returns 0, or the render's failing status.
int BenchmarkScenes(const VirtualClockRun& run);

}  // namespace web
