#include "demo/base/plane_view.h"
#include "demo/effects/clip_indices.h"
#include "demo/effects/effect_kernels.h"
#include "demo/effects/effects.h"
#include "demo/effects/fixed_point.h"

// ScanlineQuad and InterlaceQuad: both walk the quad's left and right source edges down in 20.12
// fixed point and step across each destination row from the left point to the right one.

namespace {

constexpr int32_t kFixedShift = 12;
constexpr int32_t kFixedOne = 1 << kFixedShift;

enum class QuadRule { Scanline, Average };

// Per-row step of an edge from (a * 4096) to (b * 4096) over rows, truncated toward zero.
int32_t EdgeStep(int32_t from, int32_t to, int32_t rows) { return WrapMul(WrapSub(to, from), kFixedOne) / rows; }

struct QuadCorners {
    int32_t x0, y0, x1, y1, x2, y2, x3, y3;
};

void ResampleQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, const QuadCorners& q,
                  QuadRule rule) {
    // A quad without width or height has no per-pixel step; nothing sensible can be drawn.
    if (w < 1 || rows < 1) return;
    PlaneView out;
    PlaneView in;
    if (!BindPixelPlane(dst, out) || !BindPixelPlane(src, in)) return;

    // The interlaced form draws every second row, so its edges move two rows' worth at a time.
    const bool interlaced = rule == QuadRule::Average;
    const int32_t factor = interlaced ? 2 : 1;
    const int32_t drawnRows = interlaced ? rows / 2 : rows;
    const int32_t leftStepX = WrapMul(EdgeStep(q.x0, q.x3, rows), factor);
    const int32_t leftStepY = WrapMul(EdgeStep(q.y0, q.y3, rows), factor);
    const int32_t rightStepX = WrapMul(EdgeStep(q.x1, q.x2, rows), factor);
    const int32_t rightStepY = WrapMul(EdgeStep(q.y1, q.y2, rows), factor);
    const int32_t leftX = WrapMul(q.x0, kFixedOne);
    const int32_t leftY = WrapMul(q.y0, kFixedOne);
    const int32_t rightX = WrapMul(q.x1, kFixedOne);
    const int32_t rightY = WrapMul(q.y1, kFixedOne);

    const IndexRange rowRange = ClipIndices(dy, factor, drawnRows, out.height);
    const IndexRange columns = ClipIndices(dx, 1, w, out.width);
    if (rowRange.Empty() || columns.Empty()) return;

    const EffectKernels& kernels = KernelsFor(out, in);
    for (int32_t k = rowRange.begin; k < rowRange.end; ++k) {
        // Repeated 32-bit additions of the steps equal one wrapping multiplication, so clipped
        // rows and columns are skipped without changing the positions of the rest.
        const int32_t lx = WrapAdd(leftX, WrapMul(leftStepX, k));
        const int32_t ly = WrapAdd(leftY, WrapMul(leftStepY, k));
        const int32_t rx = WrapAdd(rightX, WrapMul(rightStepX, k));
        const int32_t ry = WrapAdd(rightY, WrapMul(rightStepY, k));
        SampleRun run;
        run.stepX = WrapSub(rx, lx) / w;
        run.stepY = WrapSub(ry, ly) / w;
        run.x = WrapAdd(lx, WrapMul(run.stepX, columns.begin));
        run.y = WrapAdd(ly, WrapMul(run.stepY, columns.begin));
        run.count = columns.Size();
        uint8_t* row = out.Row(dy + factor * k) + 3 * static_cast<intptr_t>(dx + columns.begin);
        if (interlaced) {
            kernels.averageRun(row, in, run);
        } else {
            kernels.scanlineRun(row, in, run, k % 3);
        }
    }
}

}  // namespace

void ScanlineQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, int32_t x0, int32_t y0,
                  int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) {
    ResampleQuad(dst, dx, dy, w, rows, src, {x0, y0, x1, y1, x2, y2, x3, y3}, QuadRule::Scanline);
}

void InterlaceQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, int32_t x0,
                   int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) {
    ResampleQuad(dst, dx, dy, w, rows, src, {x0, y0, x1, y1, x2, y2, x3, y3}, QuadRule::Average);
}
