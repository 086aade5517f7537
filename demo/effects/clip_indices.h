#pragma once

#include <cstdint>

// The part [begin, end) of a call's indices 0..count-1 whose positions offset + index * stride
// fall inside 0..extent-1 (stride 1 or more). Empty when begin >= end.
struct IndexRange {
    int32_t begin = 0;
    int32_t end = 0;
    bool Empty() const { return begin >= end; }
    int32_t Size() const { return end - begin; }
};
IndexRange ClipIndices(int32_t offset, int32_t stride, int32_t count, int32_t extent);
