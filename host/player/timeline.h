#pragma once

#include <cstdint>
#include <vector>

namespace player {

// The demo's twelve scene windows in music time, taken from the demo's own schedule: for labels,
// the overlay and the contact sheet.
struct SceneWindow {
    uint32_t startMs;
    uint32_t endMs;
};

const std::vector<SceneWindow>& SceneWindows();
// The scene whose window holds t, or -1.
int SceneAt(uint32_t t);

// Frame n of a render shows music time from + floor(n * 1000 / fps); frames run while t < to.
std::vector<uint32_t> FrameTimes(uint32_t fromMs, uint32_t toMs, uint32_t fps);

// The first frame time of a render at fps that lies after t: where a frame step lands.
uint32_t NextFrameTime(uint32_t t, uint32_t fps);

// What the contact sheet shows: every scene at its start, middle and end.
struct SheetCell {
    int scene;
    const char* label;  // "start", "middle", "end"
    uint32_t targetMs;
};
std::vector<SheetCell> SheetCells();

// The first frame time at or after target within [windowStart, windowEnd), else the last frame
// before windowEnd, else -1 (no frame of the render falls in the window).
int64_t PickFrame(const std::vector<uint32_t>& frameTimes, uint32_t target, uint32_t windowStart, uint32_t windowEnd);

}  // namespace player
