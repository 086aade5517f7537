#pragma once

#include <cstdint>

// One scene's window of music time: start-inclusive, end-exclusive, unsigned milliseconds.
// An entry with endMs 0 is empty and never matches.
struct ScheduleEntry {
    uint32_t startMs;
    uint32_t endMs;
};

inline constexpr int32_t kSceneCount = 12;

// The end of each scene's window; each window starts where the previous one ended. The one
// table of scene times: the host's player and the tests read it too.
inline constexpr uint32_t kSceneEndsMs[kSceneCount] = {5000,  12500, 20000, 27754, 35100,  42672,
                                                       50143, 57171, 60887, 64737, 107737, 124634};

// Where the last window ends: the whole demo's length in music time.
inline constexpr uint32_t kTimelineEndMs = kSceneEndsMs[kSceneCount - 1];

// Where the window of scene index (0..kSceneCount - 1) starts.
constexpr uint32_t SceneStartMs(int32_t index) { return index == 0 ? 0 : kSceneEndsMs[index - 1]; }

// Fills count entries (at most kSceneCount are used) with the scene windows.
void FillSchedule(ScheduleEntry* entries, int32_t count);

// The first entry whose window holds nowMs, or -1.
int32_t FindSceneIndex(const ScheduleEntry* entries, int32_t count, uint32_t nowMs);
