#pragma once

#include <string>

namespace web {

// Plays the demo headless on the virtual clock with prelo-render's options (given as one line,
// split at spaces), printing the same "frame MS HASH -" lines to standard output, so the browser
// build's frames can be compared with any other build's. Returns prelo-render's exit status.
int RenderOnVirtualClock(const std::string& arguments);

// The same run, timing every frame and showing it in the page: prints "scene N FPS" for each
// scene, the frames per second the browser draws and shows it at. Returns 0, or the render's failing status.
int BenchmarkScenes(const std::string& arguments);

}  // namespace web
