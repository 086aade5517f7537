#include <cstring>

#include "host/graph/graph.h"
#include "host/graph/surface_view.h"

namespace host {

void Graph::Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    const SurfaceView d = SurfaceView::Of(dst);
    const SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || !s.pixels) return;
    CopyRect r;
    if (!ClipCopy(d.width, d.height, s.width, s.height, dx, dy, sx, sy, w, h, &r)) return;
    // memmove: a surface copied onto itself may overlap.
    for (int32_t row = 0; row < r.h; ++row) {
        std::memmove(d.PixelRow(r.dy + row) + r.dx * 3, s.PixelRow(r.sy + row) + r.sx * 3,
                     static_cast<size_t>(r.w) * 3);
    }
}

}  // namespace host
