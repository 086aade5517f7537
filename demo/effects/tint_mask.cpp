#include "demo/base/bound_modules.h"
#include "demo/base/plane_view.h"
#include "demo/effects/clip_indices.h"
#include "demo/effects/effect_kernels.h"
#include "demo/effects/effects.h"
#include "demo/effects/lookup_tables.h"
#include "demo/effects/scaled_sampling.h"

// The tint weighs the destination with T[255 - m] and the colour with T[colour][m], m being half
// the mask byte, so the colour covers at most 127/255 of a pixel and the sum never passes 255.

namespace {

// Components outside 0..255 keep their low byte, as the halves of the scaled form always did.
TintColour MakeTintColour(const RowTable& table, int32_t red, int32_t green, int32_t blue) {
    return {&table, red & 255, green & 255, blue & 255};
}

IndexRange Intersect(IndexRange a, IndexRange b) {
    return {a.begin > b.begin ? a.begin : b.begin, a.end < b.end ? a.end : b.end};
}

}  // namespace

void TintMask(ISurface* dst, int32_t dx, int32_t dy, ISurface* mask, int32_t mx, int32_t my, int32_t w, int32_t rows,
              int32_t red, int32_t green, int32_t blue) {
    if (w <= 0 || rows <= 0) return;
    const RowTable& table = GraphMultiplyTable();
    if (!TableReady(table)) return;
    PlaneView out;
    PlaneView weights;
    if (!BindPixelPlane(dst, out) || !BindAlphaPlane(mask, weights)) return;
    // Destination and mask move together, so a pixel is drawn only where both rectangles exist.
    const IndexRange rowRange =
        Intersect(ClipIndices(dy, 1, rows, out.height), ClipIndices(my, 1, rows, weights.height));
    const IndexRange columns = Intersect(ClipIndices(dx, 1, w, out.width), ClipIndices(mx, 1, w, weights.width));
    if (rowRange.Empty() || columns.Empty()) return;

    const TintColour colour = MakeTintColour(table, red, green, blue);
    const EffectKernels& kernels = EffectKernelsInUse();
    for (int32_t i = rowRange.begin; i < rowRange.end; ++i) {
        uint8_t* p = out.Row(dy + i) + 3 * static_cast<intptr_t>(dx + columns.begin);
        kernels.tintSpan(p, weights.Row(my + i) + (mx + columns.begin), columns.Size(), colour);
    }
}

void TintMaskScaled(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* mask, float fx, float fy,
                    float fw, float fh, int32_t red, int32_t green, int32_t blue) {
    const RowTable& table = GraphMultiplyTable();
    if (!TableReady(table)) return;
    PlaneView out;
    PlaneView weights;
    if (!BindPixelPlane(dst, out) || !BindAlphaPlane(mask, weights)) return;
    ScaledWalk walk;
    if (!StartScaledWalk(out, dx, dy, w, rows, fx, fy, fw, fh, walk)) return;

    const TintColour colour = MakeTintColour(table, red, green, blue);
    const EffectKernels& kernels = EffectKernelsInUse();
    for (int32_t i = walk.rows.begin; i < walk.rows.end; ++i) {
        const uint8_t* a = weights.Row(ClampIndex(walk.RowPosition(i) >> kScaledShift, weights.height));
        uint8_t* p = out.Row(dy + i) + 3 * static_cast<intptr_t>(dx + walk.columns.begin);
        kernels.tintScaledRun(p, a, weights.width, walk.x, walk.stepX, walk.columns.Size(), colour);
    }
}
