#include "demo/runtime/schedule.h"

void FillSchedule(ScheduleEntry* entries, int32_t count) {
    if (entries == nullptr) return;
    uint32_t start = 0;
    for (int32_t i = 0; i < count; ++i) {
        entries[i] = ScheduleEntry{0, 0};
        if (i >= kSceneCount) continue;
        entries[i] = ScheduleEntry{start, kSceneEndsMs[i]};
        start = kSceneEndsMs[i];
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
