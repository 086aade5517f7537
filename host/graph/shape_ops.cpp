#include "host/graph/graph.h"
#include "host/graph/surface_view.h"
#include "host/graph/weighted_rows.h"

namespace host {

void Graph::PaintShape(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t c1, int32_t c2, int32_t c3, int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    const SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || s.width == 0) return;
    CopyRect r;
    if (!ClipCopy(d.width, d.height, s.width, s.height, dx, dy, sx, sy, w, h, &r)) return;
    const ColorRun color(ColorFromRgb(c1, c2, c3));
    const int32_t l = ClampLevel(level);
    // Only the shape plane is read: a mask surface has no pixel plane at all.
    for (int32_t row = 0; row < r.h; ++row) {
        uint8_t* out = d.PixelRow(r.dy + row) + r.dx * 3;
        if (s.alpha) {
            MixColorByAlpha(*rows_, out, color, s.AlphaRow(r.sy + row) + r.sx, r.w, l);
        } else {
            MixColorConst(*rows_, out, color, r.w, l);
        }
    }
}

void Graph::ShapeColor(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t c1, int32_t c2, int32_t c3) {
    PaintShape(dst, dx, dy, src, sx, sy, w, h, c1, c2, c3, 255);
}

void Graph::ShapeColorLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                            int32_t h, int32_t c1, int32_t c2, int32_t c3, int32_t level) {
    PaintShape(dst, dx, dy, src, sx, sy, w, h, c1, c2, c3, level);
}

void Graph::WashShape(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t h, ISurface* src, int32_t sx,
                      int32_t sy, int32_t c1, int32_t c2, int32_t c3, int32_t level) {
    PaintShape(dst, dx, dy, src, sx, sy, w, h, c1, c2, c3, level);
}

}  // namespace host
