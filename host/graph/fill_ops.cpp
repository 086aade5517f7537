#include <cstring>

#include "host/graph/graph.h"
#include "host/graph/surface_view.h"
#include "host/graph/weighted_rows.h"

namespace host {

void Graph::FillRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2, int32_t c3) {
    FillRectLevel(dst, x, y, w, h, c1, c2, c3, 255);
}

void Graph::FillRectLevel(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2, int32_t c3,
                          int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    host::FillRect r;
    if (!d.pixels || !ClipFill(d.width, d.height, x, y, w, h, &r)) return;
    const ColorRun color(ColorFromRgb(c1, c2, c3));
    const int32_t a = ClampLevel(level);
    for (int32_t row = 0; row < r.h; ++row) MixColorConst(*rows_, d.PixelRow(r.y + row) + r.x * 3, color, r.w, a);
}

void Graph::DimRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    host::FillRect r;
    if (!d.pixels || !ClipFill(d.width, d.height, x, y, w, h, &r)) return;
    const int32_t l = ClampLevel(level);
    const size_t bytes = static_cast<size_t>(r.w) * 3;
    for (int32_t row = 0; row < r.h; ++row) {
        uint8_t* out = d.PixelRow(r.y + row) + r.x * 3;
        if (l == 0) {
            std::memset(out, 0, bytes);
        } else if (l != 255) {
            rows_->scaleConst(out, bytes, l);
        }
    }
}

}  // namespace host
