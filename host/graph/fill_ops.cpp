#include "host/graph/graph.h"
#include "host/graph/pixel_math.h"
#include "host/graph/rect_walk.h"

namespace host {

void Graph::FillRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2, int32_t c3) {
    const SurfaceView d = SurfaceView::Of(dst);
    host::FillRect r;
    if (!d.pixels || !ClipFill(d.width, d.height, x, y, w, h, &r)) return;
    const PixelColor color = ColorFromRgb(c1, c2, c3);
    WalkFill(d, r, [&](uint8_t* out) {
        for (int c = 0; c < 3; ++c) out[c] = color.bytes[c];
    });
}

void Graph::FillRectLevel(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2, int32_t c3,
                          int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    host::FillRect r;
    if (!d.pixels || !ClipFill(d.width, d.height, x, y, w, h, &r)) return;
    const PixelColor color = ColorFromRgb(c1, c2, c3);
    const int32_t a = ClampLevel(level);
    WalkFill(d, r, [&](uint8_t* out) {
        for (int c = 0; c < 3; ++c) out[c] = Mix(out[c], color.bytes[c], a);
    });
}

void Graph::DimRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    host::FillRect r;
    if (!d.pixels || !ClipFill(d.width, d.height, x, y, w, h, &r)) return;
    const int32_t l = ClampLevel(level);
    WalkFill(d, r, [&](uint8_t* out) {
        for (int c = 0; c < 3; ++c) out[c] = Scale(out[c], l);
    });
}

}  // namespace host
