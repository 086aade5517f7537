#include <cstring>
#include <vector>

#include "host/graph/graph.h"
#include "host/graph/surface_view.h"
#include "host/graph/weighted_rows.h"

namespace host {

// A surface drawn onto itself gets what the source held before the call: rows run bottom-up
// when the destination lies below the source, and a row whose bytes overlap its source's is
// read from a copy.
void Graph::Blend(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                  bool useAlpha, int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || !s.pixels) return;
    if (!useAlpha) s.alpha = nullptr;
    CopyRect r;
    if (!ClipCopy(d.width, d.height, s.width, s.height, dx, dy, sx, sy, w, h, &r)) return;
    if (level == 0) return;
    const size_t bytes = static_cast<size_t>(r.w) * 3;
    const bool samePlane = d.pixels == s.pixels;
    const bool upward = samePlane && r.dy > r.sy;
    const bool rowsOverlap =
        samePlane && r.dy == r.sy && r.dx != r.sx && (r.dx > r.sx ? r.dx - r.sx : r.sx - r.dx) < r.w;
    std::vector<uint8_t> staged;
    for (int32_t i = 0; i < r.h; ++i) {
        const int32_t row = upward ? r.h - 1 - i : i;
        uint8_t* out = d.PixelRow(r.dy + row) + r.dx * 3;
        const uint8_t* in = s.PixelRow(r.sy + row) + r.sx * 3;
        if (rowsOverlap) {
            staged.assign(in, in + bytes);
            in = staged.data();
        }
        if (s.alpha) {
            MixRowByAlpha(*rows_, out, in, s.AlphaRow(r.sy + row) + r.sx, r.w, level);
        } else {
            MixRowConst(*rows_, out, in, r.w, level);
        }
    }
}

void Graph::CopyLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                      int32_t h, int32_t level) {
    Blend(dst, dx, dy, src, sx, sy, w, h, false, ClampLevel(level));
}

// Only the low 8 bits of the alpha count, as in the SIMD plug-in serving the same slot.
void Graph::BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t alpha) {
    Blend(dst, dx, dy, src, sx, sy, w, h, false, alpha & 255);
}

// A source without an alpha plane counts as opaque.
void Graph::BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h) {
    Blend(dst, dx, dy, src, sx, sy, w, h, true, 255);
}

void Graph::BlendAlphaLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                            int32_t h, int32_t level) {
    Blend(dst, dx, dy, src, sx, sy, w, h, true, ClampLevel(level));
}

void Graph::BlendLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t level) {
    Blend(dst, dx, dy, src, sx, sy, w, h, false, ClampLevel(level));
}

void Graph::BlendOverlay(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h) {
    BlendAlpha(dst, dx, dy, src, sx, sy, w, h);
}

}  // namespace host
