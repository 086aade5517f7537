#pragma once

#include <cstdint>

#include "pixmill/pixel_job.h"

// The three hot operations as one table of entry points per instruction set. Every set yields
// the same bytes; they differ only in speed. The drawing object picks one set at Initialize.
namespace pixmill {

struct KernelSet {
    const char* name;
    // Overlapping source and destination get what the source held before the call (copy_overlap.h).
    void (*copy)(const PixelJob& job);
    void (*blendConst)(const uint8_t* const* table, const PixelJob& job, uint32_t alpha);
    void (*blendAlpha)(const uint8_t* const* table, const PixelJob& job);
};

// The MMX/SSE set on x86 (the plain scalar set elsewhere): what every supported CPU runs.
const KernelSet& BaselineKernels();

// The widest set the CPU runs, unless PIXMILL_FORCE_BASELINE=1 (so one binary tests every path).
const KernelSet& ChooseKernels();

// Every set this machine can run, baseline first, the plain scalar set always among them;
// returns how many were written (at most max).
int32_t AvailableKernelSets(const KernelSet** out, int32_t max);

// Destination rectangles at least this large bypass the cache when copied: they would only
// evict what the caller draws next.
inline constexpr int64_t kStreamingCopyBytes = 4 << 20;

}  // namespace pixmill
