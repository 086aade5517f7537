#pragma once

#include <cstdint>

#include "pixmill/blend_rule.h"
#include "pixmill/pixel_job.h"

// How a blend row splits into table-form lead pixels, SIMD-form groups of four and table-form
// tail pixels. The split is fixed once per call from the first source address, so every kernel,
// however wide, must produce the same bytes: the wider ones only batch the groups.
namespace pixmill {

struct BlendRowLayout {
    int32_t lead = 0;
    int32_t groups = 0;
    int32_t tail = 0;
};

static inline BlendRowLayout LayoutBlendRow(const uint8_t* firstSource, int32_t width) {
    BlendRowLayout layout;
    int32_t lead = static_cast<int32_t>(reinterpret_cast<uintptr_t>(firstSource) & 3u);
    // A row shorter than its lead is blended wholly in table form: nothing outside the row is read.
    layout.lead = lead < width ? lead : width;
    layout.groups = (width - layout.lead) / 4;
    layout.tail = (width - layout.lead) % 4;
    return layout;
}

static inline void TableBlendConstPixels(const uint8_t* const* table, uint8_t* d, const uint8_t* s, int32_t pixels,
                                         uint32_t a) {
    for (int32_t i = 0; i < 3 * pixels; ++i) d[i] = TableBlendByte(table, a, d[i], s[i]);
}

static inline void TableBlendAlphaPixels(const uint8_t* const* table, uint8_t* d, const uint8_t* s,
                                         const uint8_t* alpha, int32_t pixels) {
    for (int32_t p = 0; p < pixels; ++p)
        for (int32_t c = 0; c < 3; ++c) d[3 * p + c] = TableBlendByte(table, alpha[p], d[3 * p + c], s[3 * p + c]);
}

// Runs a constant-alpha blend; groupRun(d, s, groups, a) blends whole groups in SIMD form.
template <typename GroupRun>
static inline void BlendConstRows(const uint8_t* const* table, const PixelJob& job, uint32_t a, GroupRun groupRun) {
    const BlendRowLayout layout = LayoutBlendRow(job.src, job.width);
    uint8_t* d = job.dst;
    const uint8_t* s = job.src;
    for (int32_t row = job.height; row > 0; --row) {
        TableBlendConstPixels(table, d, s, layout.lead, a);
        const int32_t groupStart = 3 * layout.lead;
        if (layout.groups > 0) groupRun(d + groupStart, s + groupStart, layout.groups, a);
        const int32_t tailStart = groupStart + 12 * layout.groups;
        TableBlendConstPixels(table, d + tailStart, s + tailStart, layout.tail, a);
        d += job.dstPitch;
        s += job.srcPitch;
    }
}

// Runs a per-pixel-alpha blend; groupRun(d, s, alpha, groups) handles whole groups, including
// the all-transparent and all-opaque shortcuts.
template <typename GroupRun>
static inline void BlendAlphaRows(const uint8_t* const* table, const PixelJob& job, GroupRun groupRun) {
    const BlendRowLayout layout = LayoutBlendRow(job.src, job.width);
    uint8_t* d = job.dst;
    const uint8_t* s = job.src;
    const uint8_t* a = job.alpha;
    for (int32_t row = job.height; row > 0; --row) {
        TableBlendAlphaPixels(table, d, s, a, layout.lead);
        const int32_t lead = layout.lead;
        if (layout.groups > 0) groupRun(d + 3 * lead, s + 3 * lead, a + lead, layout.groups);
        const int32_t tailPixel = lead + 4 * layout.groups;
        TableBlendAlphaPixels(table, d + 3 * tailPixel, s + 3 * tailPixel, a + tailPixel, layout.tail);
        d += job.dstPitch;
        s += job.srcPitch;
        a += job.alphaPitch;
    }
}

}  // namespace pixmill
