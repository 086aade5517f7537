#include "host/player/timeline.h"

#include <algorithm>

#include "demo/runtime/schedule.h"

namespace player {

const std::vector<SceneWindow>& SceneWindows() {
    static const std::vector<SceneWindow> windows = [] {
        std::vector<SceneWindow> all;
        for (int32_t i = 0; i < kSceneCount; ++i) all.push_back({SceneStartMs(i), kSceneEndsMs[i]});
        return all;
    }();
    return windows;
}

int SceneAt(uint32_t t) {
    const auto& windows = SceneWindows();
    for (size_t i = 0; i < windows.size(); ++i) {
        if (windows[i].startMs <= t && t < windows[i].endMs) return static_cast<int>(i);
    }
    return -1;
}

std::vector<uint32_t> FrameTimes(uint32_t fromMs, uint32_t toMs, uint32_t fps) {
    std::vector<uint32_t> times;
    if (fps == 0) return times;
    for (uint64_t n = 0;; ++n) {
        const uint64_t t = fromMs + n * 1000u / fps;
        if (t >= toMs) break;
        times.push_back(static_cast<uint32_t>(t));
    }
    return times;
}

uint32_t NextFrameTime(uint32_t t, uint32_t fps) {
    if (fps == 0) return t + 1;
    uint64_t n = static_cast<uint64_t>(t) * fps / 1000u;
    while (n * 1000u / fps <= t) ++n;
    return static_cast<uint32_t>(n * 1000u / fps);
}

std::vector<SheetCell> SheetCells() {
    std::vector<SheetCell> cells;
    const auto& windows = SceneWindows();
    for (size_t i = 0; i < windows.size(); ++i) {
        const SceneWindow& w = windows[i];
        const int scene = static_cast<int>(i);
        cells.push_back({scene, "start", w.startMs});
        cells.push_back({scene, "middle", w.startMs + (w.endMs - w.startMs) / 2});
        cells.push_back({scene, "end", w.endMs - 1});
    }
    return cells;
}

int64_t PickFrame(const std::vector<uint32_t>& frameTimes, uint32_t target, uint32_t windowStart, uint32_t windowEnd) {
    auto at = std::lower_bound(frameTimes.begin(), frameTimes.end(), target);
    if (at != frameTimes.end() && *at >= windowStart && *at < windowEnd) return *at;
    // None at or after the target inside the window: the last one before the window's end.
    auto before = std::lower_bound(frameTimes.begin(), frameTimes.end(), windowEnd);
    if (before != frameTimes.begin() && *(before - 1) >= windowStart) return *(before - 1);
    return -1;
}

}  // namespace player
