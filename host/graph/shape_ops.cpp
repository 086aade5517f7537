#include "host/graph/graph.h"
#include "host/graph/pixel_math.h"
#include "host/graph/rect_walk.h"

namespace host {

void Graph::PaintShape(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t c1, int32_t c2, int32_t c3, int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    const SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || s.width == 0) return;
    CopyRect r;
    if (!ClipCopy(d.width, d.height, s.width, s.height, dx, dy, sx, sy, w, h, &r)) return;
    const PixelColor color = ColorFromRgb(c1, c2, c3);
    const int32_t l = ClampLevel(level);
    // Only the shape plane is read: a mask surface has no pixel plane at all.
    const SurfaceView shape{nullptr, 0, s.alpha, s.alphaPitch, s.width, s.height};
    WalkCopy(d, shape, r, [&](uint8_t* out, const uint8_t*, const uint8_t* coverage) {
        const int32_t a = Scale(coverage ? *coverage : 255, l);
        if (a == 0) return;
        for (int c = 0; c < 3; ++c) out[c] = Mix(out[c], color.bytes[c], a);
    });
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
