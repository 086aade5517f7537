#include "demo/base/plane_view.h"
#include "demo/effects/clip_indices.h"
#include "demo/effects/effect_kernels.h"
#include "demo/effects/effects.h"

void ScanlineMask(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t rows) {
    PlaneView out;
    if (!BindPixelPlane(dst, out)) return;
    const IndexRange rowRange = ClipIndices(y, 1, rows, out.height);
    const IndexRange columns = ClipIndices(x, 1, w, out.width);
    if (rowRange.Empty() || columns.Empty()) return;
    const EffectKernels& kernels = EffectKernelsInUse();
    // The channel follows the row's place in the call, so a clipped top keeps the rotation.
    for (int32_t i = rowRange.begin; i < rowRange.end; ++i) {
        uint8_t* row = out.Row(y + i) + 3 * static_cast<intptr_t>(x + columns.begin);
        kernels.maskSpan(row, columns.Size(), i % 3);
    }
}
