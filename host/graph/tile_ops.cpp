#include <algorithm>
#include <vector>

#include "host/graph/graph.h"
#include "host/graph/pixel_math.h"
#include "host/graph/surface_view.h"
#include "host/graph/weighted_rows.h"

namespace host {
namespace {

int32_t Wrap(int64_t value, int32_t period) {
    const int64_t m = value % period;
    return static_cast<int32_t>(m < 0 ? m + period : m);
}

}  // namespace

// Destination pixel (i, j) of the rectangle shows source pixel ((i - ox) mod sw, (j - oy) mod sh),
// so a growing offset moves the pattern right and down. Clipping the destination keeps that
// phase; the source rectangle is first cut to the source surface and the cut size is the period.
void Graph::Tile(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx, int32_t sy,
                 int32_t sw, int32_t sh, int32_t ox, int32_t oy, int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || !s.pixels) return;
    // Drawn onto itself, the surface is read as it was before the call.
    std::vector<uint8_t> before;
    if (s.pixels == d.pixels) s = s.PixelsCopiedTo(before);
    host::FillRect out;
    host::FillRect from;
    if (!ClipFill(d.width, d.height, dx, dy, dw, dh, &out)) return;
    if (!ClipFill(s.width, s.height, sx, sy, sw, sh, &from)) return;
    const int32_t l = ClampLevel(level);
    const int64_t firstCol = static_cast<int64_t>(out.x) - dx - ox;
    const int64_t firstRow = static_cast<int64_t>(out.y) - dy - oy;
    for (int32_t row = 0; row < out.h; ++row) {
        const int32_t v = from.y + Wrap(firstRow + row, from.h);
        const uint8_t* srcRow = s.PixelRow(v);
        uint8_t* o = d.PixelRow(out.y + row) + out.x * 3;
        // The row in runs that each end where the pattern wraps.
        int32_t u = Wrap(firstCol, from.w);
        for (int32_t done = 0; done < out.w;) {
            const int32_t run = std::min(from.w - u, out.w - done);
            MixRowConst(*rows_, o, srcRow + (from.x + u) * 3, run, l);
            o += static_cast<size_t>(run) * 3;
            done += run;
            u = 0;
        }
    }
}

void Graph::TileOffset(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                       int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy) {
    Tile(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, ox, oy, 255);
}

void Graph::TileOffsetLevel(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                            int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy, int32_t level) {
    Tile(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, ox, oy, level);
}

}  // namespace host
