#include <cstring>

#include "host/graph/graph.h"
#include "host/graph/surface_view.h"

namespace host {

// A surface copied onto itself gets what the source held before the call: memmove within a row,
// and rows bottom-up when the destination lies below the source.
void Graph::Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    const SurfaceView d = SurfaceView::Of(dst);
    const SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || !s.pixels) return;
    CopyRect r;
    if (!ClipCopy(d.width, d.height, s.width, s.height, dx, dy, sx, sy, w, h, &r)) return;
    const bool upward = d.pixels == s.pixels && r.dy > r.sy;
    for (int32_t i = 0; i < r.h; ++i) {
        const int32_t row = upward ? r.h - 1 - i : i;
        std::memmove(d.PixelRow(r.dy + row) + r.dx * 3, s.PixelRow(r.sy + row) + r.sx * 3,
                     static_cast<size_t>(r.w) * 3);
    }
}

}  // namespace host
