#include "demo/effects/clip_indices.h"

namespace {

int64_t FloorDivide(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

IndexRange ClipIndices(int32_t offset, int32_t stride, int32_t count, int32_t extent) {
    if (count <= 0 || extent <= 0 || stride <= 0) return {};
    // Smallest index with offset + index * stride >= 0 and largest with it <= extent - 1.
    const int64_t first = -FloorDivide(static_cast<int64_t>(offset), stride);
    const int64_t last = FloorDivide(static_cast<int64_t>(extent) - 1 - offset, stride);
    const int64_t begin = first > 0 ? first : 0;
    const int64_t end = last + 1 < count ? last + 1 : count;
    if (begin >= end) return {};
    return {static_cast<int32_t>(begin), static_cast<int32_t>(end)};
}
