#pragma once

#include <cstdint>
#include <cstring>

#include "pixmill/pixel_job.h"

// Copy with overlapping source and destination: the destination receives what the source held
// before the call, as if the whole source rectangle were read first. That keeps every result of
// a copy between separate planes and is exact for rectangles of one surface (which share one
// pitch). Every kernel set copies through CopyRows, which sends such a job here; only jobs whose byte spans do not meet
// take the SIMD paths, whose forward order and streaming stores would otherwise smear the picture.
namespace pixmill {

struct ByteSpan {
    uintptr_t first;
    uintptr_t end;
};

static inline ByteSpan SpanOf(const uint8_t* topLeft, int32_t pitch, int32_t width, int32_t height) {
    const uintptr_t top = reinterpret_cast<uintptr_t>(topLeft);
    const uintptr_t bottom = top + static_cast<uintptr_t>(static_cast<intptr_t>(height - 1) * pitch);
    const uintptr_t low = top < bottom ? top : bottom;
    const uintptr_t high = top < bottom ? bottom : top;
    return ByteSpan{low, high + 3 * static_cast<uintptr_t>(width)};
}

static inline bool CopySpansMeet(const PixelJob& job) {
    const ByteSpan d = SpanOf(job.dst, job.dstPitch, job.width, job.height);
    const ByteSpan s = SpanOf(job.src, job.srcPitch, job.width, job.height);
    return d.first < s.end && s.first < d.end;
}

// Rows in the order that reads every source row before a destination row covers it: from the
// far end when the destination lies after the source in memory, each row itself moved whole.
static inline void MoveOverlappingRows(const PixelJob& job) {
    const bool destinationAfter = reinterpret_cast<uintptr_t>(job.dst) > reinterpret_cast<uintptr_t>(job.src);
    const bool fromLastRow = destinationAfter == (job.dstPitch > 0);
    const size_t rowBytes = 3 * static_cast<size_t>(job.width);
    for (int32_t i = 0; i < job.height; ++i) {
        const intptr_t row = fromLastRow ? job.height - 1 - i : i;
        std::memmove(job.dst + row * job.dstPitch, job.src + row * job.srcPitch, rowBytes);
    }
}

// Every kernel set's copy: jobs whose spans meet go row by row as above; the others row after
// row through copyRow(d, s, bytes), which the sets write for speed.
template <typename CopyRow>
static inline void CopyRows(const PixelJob& job, CopyRow copyRow) {
    if (CopySpansMeet(job)) {
        MoveOverlappingRows(job);
        return;
    }
    uint8_t* d = job.dst;
    const uint8_t* s = job.src;
    for (int32_t row = job.height; row > 0; --row, d += job.dstPitch, s += job.srcPitch) copyRow(d, s, 3 * job.width);
}

}  // namespace pixmill
