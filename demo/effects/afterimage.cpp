#include "demo/base/bound_modules.h"
#include "demo/base/plane_view.h"
#include "demo/effects/effect_kernels.h"
#include "demo/effects/effects.h"
#include "demo/effects/lookup_tables.h"
#include "demo/effects/scaled_sampling.h"

namespace {

// The destination fades to K/255 for K = 255 - (256 >> shift) and the source adds s >> shift; K +
// (255 >> shift) is 254, so a byte never overflows.
void Afterimage(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                float fw, float fh, int32_t shift) {
    const RowTable& table = GraphMultiplyTable();
    if (!TableReady(table)) return;
    PlaneView out;
    PlaneView in;
    if (!BindPixelPlane(dst, out) || !BindPixelPlane(src, in)) return;
    ScaledWalk walk;
    if (!StartScaledWalk(out, dx, dy, w, rows, fx, fy, fw, fh, walk)) return;

    const uint8_t* keep = table.rows[255 - (256 >> shift)];
    const EffectKernels& kernels = KernelsFor(out, in);
    auto sourceRowOf = [&](int32_t i) { return ClampIndex(walk.RowPosition(i) >> kScaledShift, in.height); };
    // The rows that take the same source row go to the kernel together.
    for (int32_t i = walk.rows.begin, next = i; i < walk.rows.end; i = next) {
        const int32_t sourceRow = sourceRowOf(i);
        while (++next < walk.rows.end && sourceRowOf(next) == sourceRow) {
        }
        uint8_t* p = out.Row(dy + i) + 3 * static_cast<intptr_t>(dx + walk.columns.begin);
        kernels.afterimageRows(p, out.pitch, next - i, in, sourceRow, walk.x, walk.stepX, walk.columns.Size(), keep,
                               shift);
    }
}

}  // namespace

void Afterimage16(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                  float fw, float fh) {
    Afterimage(dst, dx, dy, w, rows, src, fx, fy, fw, fh, 4);
}

void Afterimage8(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                 float fw, float fh) {
    Afterimage(dst, dx, dy, w, rows, src, fx, fy, fw, fh, 3);
}

void Afterimage4(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                 float fw, float fh) {
    Afterimage(dst, dx, dy, w, rows, src, fx, fy, fw, fh, 2);
}
