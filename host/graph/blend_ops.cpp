#include "host/graph/graph.h"
#include "host/graph/pixel_math.h"
#include "host/graph/rect_walk.h"

namespace host {

template <typename Weight>
void Graph::BlendWith(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                      int32_t h, bool useAlpha, Weight weight) {
    const SurfaceView d = SurfaceView::Of(dst);
    SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || !s.pixels) return;
    if (!useAlpha) s.alpha = nullptr;
    CopyRect r;
    if (!ClipCopy(d.width, d.height, s.width, s.height, dx, dy, sx, sy, w, h, &r)) return;
    WalkCopy(d, s, r, [&](uint8_t* out, const uint8_t* in, const uint8_t* alpha) {
        const int32_t a = weight(alpha ? *alpha : 255);
        if (a == 0) return;
        for (int c = 0; c < 3; ++c) out[c] = Mix(out[c], in[c], a);
    });
}

void Graph::CopyLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                      int32_t h, int32_t level) {
    const int32_t a = ClampLevel(level);
    BlendWith(dst, dx, dy, src, sx, sy, w, h, false, [a](uint8_t) { return a; });
}

// Only the low 8 bits of the alpha count, as in the SIMD plug-in serving the same slot.
void Graph::BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t alpha) {
    const int32_t a = alpha & 255;
    BlendWith(dst, dx, dy, src, sx, sy, w, h, false, [a](uint8_t) { return a; });
}

// A source without an alpha plane counts as opaque.
void Graph::BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h) {
    BlendWith(dst, dx, dy, src, sx, sy, w, h, true, [](uint8_t alpha) { return int32_t{alpha}; });
}

void Graph::BlendAlphaLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                            int32_t h, int32_t level) {
    const int32_t l = ClampLevel(level);
    BlendWith(dst, dx, dy, src, sx, sy, w, h, true, [l](uint8_t alpha) { return int32_t{Scale(alpha, l)}; });
}

void Graph::BlendLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t level) {
    const int32_t a = ClampLevel(level);
    BlendWith(dst, dx, dy, src, sx, sy, w, h, false, [a](uint8_t) { return a; });
}

void Graph::BlendOverlay(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h) {
    BlendAlpha(dst, dx, dy, src, sx, sy, w, h);
}

}  // namespace host
