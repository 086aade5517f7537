#include "demo/runtime/schedule.h"

void FillSchedule(ScheduleEntry* entries, int32_t count) {
    if (entries == nullptr) return;
    for (int32_t i = 0; i < count; ++i) {
        entries[i] = i < kSceneCount ? ScheduleEntry{SceneStartMs(i), kSceneEndsMs[i]} : ScheduleEntry{0, 0};
    }
}

int32_t FindSceneIndex(const ScheduleEntry* entries, int32_t count, uint32_t nowMs) {
    if (entries == nullptr) return -1;
    for (int32_t i = 0; i < count; ++i) {
        const ScheduleEntry& entry = entries[i];
        if (entry.endMs != 0 && entry.startMs <= nowMs && nowMs < entry.endMs) return i;
    }
    return -1;
}
