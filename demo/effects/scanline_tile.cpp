#include "demo/base/plane_view.h"
#include "demo/effects/clip_indices.h"
#include "demo/effects/effect_kernels.h"
#include "demo/effects/effects.h"

namespace {

// Remainder in 0..modulus-1 of a value that may be negative.
int32_t WrapIntoTile(int64_t value, int32_t modulus) {
    int64_t r = value % modulus;
    if (r < 0) r += modulus;
    return static_cast<int32_t>(r);
}

// Fills count pixels from tile column column onward, wrapping back to column 0 at the tile's
// right edge; each segment reads its source pixels consecutively.
void FillTileRow(const EffectKernels& kernels, uint8_t* out, const uint8_t* tileRow, int32_t tileWidth, int32_t column,
                 int32_t count, int32_t channel) {
    while (count > 0) {
        const int32_t segment = tileWidth - column < count ? tileWidth - column : count;
        kernels.scanlineSpan(out, tileRow + 3 * static_cast<intptr_t>(column), segment, channel);
        out += 3 * static_cast<intptr_t>(segment);
        count -= segment;
        column = 0;
    }
}

}  // namespace

void ScanlineTile(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, int32_t sx, int32_t sy,
                  int32_t sw, int32_t sh, int32_t ox, int32_t oy) {
    if (rows < 1 || w < 1 || sw < 1 || sh < 1) return;
    PlaneView out;
    PlaneView in;
    if (!BindPixelPlane(dst, out) || !BindPixelPlane(src, in)) return;
    // A tile larger than its source would read past the picture; no wrap can repair that.
    if (sw > in.width || sh > in.height) return;

    const IndexRange rowRange = ClipIndices(dy, 1, rows, out.height);
    const IndexRange columns = ClipIndices(dx, 1, w, out.width);
    if (rowRange.Empty() || columns.Empty()) return;

    // Clipped-away columns on the left still advance the tile position.
    const int32_t firstColumn = WrapIntoTile(static_cast<int64_t>(sx) + ox + columns.begin, sw);
    const int64_t firstRow = static_cast<int64_t>(sy) + oy;
    const EffectKernels& kernels = KernelsFor(out, in);
    for (int32_t i = rowRange.begin; i < rowRange.end; ++i) {
        const uint8_t* tileRow = in.Row(WrapIntoTile(firstRow + i, sh));
        uint8_t* row = out.Row(dy + i) + 3 * static_cast<intptr_t>(dx + columns.begin);
        FillTileRow(kernels, row, tileRow, sw, firstColumn, columns.Size(), i % 3);
    }
}
