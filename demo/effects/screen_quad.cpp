#include <cmath>

#include "demo/base/bound_modules.h"
#include "demo/base/plane_view.h"
#include "demo/effects/effect_kernels.h"
#include "demo/effects/effects.h"
#include "demo/effects/fixed_point.h"
#include "demo/effects/lookup_tables.h"
#include "demo/effects/screen_quad_bands.h"

// All geometry is in 32-bit floats, operation by operation as written, so that the x86-64 and the
// SSE2 i686 builds round every step alike and draw the same bytes.

namespace {

constexpr float kScreenWidth = 640.0f;
constexpr int32_t kScreenColumns = 640;
constexpr int32_t kScreenRows = 480;

// The point of an edge at height y, and the source point it shows.
struct EdgePoint {
    float x;
    float u;
    float v;
};

struct Edge {
    Vertex from;
    Vertex to;
    Vertex sourceFrom;
    Vertex sourceTo;
    float length;
};

Edge MakeEdge(const Vertex* destination, const Vertex* source, int32_t from, int32_t to) {
    Edge e{destination[from], destination[to], source[from], source[to], 0.0f};
    const float ex = e.to.x - e.from.x;
    const float ey = e.to.y - e.from.y;
    e.length = std::sqrt(ex * ex + ey * ey);
    return e;
}

float EdgeX(const Edge& e, float y) { return e.from.x + (e.to.x - e.from.x) * (y - e.from.y) / (e.to.y - e.from.y); }

// The source point follows the distance walked along the edge, not the height.
EdgePoint SourceOnEdge(const Edge& e, float x, float y) {
    const float ex = x - e.from.x;
    const float ey = y - e.from.y;
    const float walked = std::sqrt(ex * ex + ey * ey);
    return {x, e.sourceFrom.x + (e.sourceTo.x - e.sourceFrom.x) * walked / e.length,
            e.sourceFrom.y + (e.sourceTo.y - e.sourceFrom.y) * walked / e.length};
}

struct Line {
    const PlaneView& out;
    const PlaneView& in;
    const RowTable& screen;
    const EffectKernels& kernels;
};

// Screens one line of n pixels from column start of row y, source from (u, v) by (du, dv).
void ScreenLine(const Line& line, int32_t y, int32_t start, int32_t n, float u, float v, float du, float dv) {
    const int32_t columnLimit = line.out.width < kScreenColumns ? line.out.width : kScreenColumns;
    const int32_t rowLimit = line.out.height < kScreenRows ? line.out.height : kScreenRows;
    if (y < 0 || y >= rowLimit || n <= 0) return;
    // The band limits keep every line on the screen; these bounds only guard degenerate geometry.
    int32_t k = 0;
    for (; k < n && start + k < 0; ++k) {
        u += du;
        v += dv;
    }
    const int32_t end = static_cast<int64_t>(start) + n > columnLimit ? columnLimit - start : n;
    if (k >= end) return;
    uint8_t* d = line.out.Row(y) + 3 * (static_cast<intptr_t>(start) + k);
    // The table's rows lie back to back in one block, so S[d][s] is entry d * 256 + s.
    line.kernels.screenRun(d, line.in, line.screen.rows[0], u, v, du, dv, end - k);
}

void DrawBand(const Line& line, const QuadBand& band, const Vertex* destination, const Vertex* source) {
    const Edge left = MakeEdge(destination, source, band.leftFrom, band.leftTo);
    const Edge right = MakeEdge(destination, source, band.rightFrom, band.rightTo);
    for (float y = band.startY; y < band.endY; y += 1.0f) {
        const float xL = EdgeX(left, y);
        const float xR = EdgeX(right, y);
        if (!(xL < kScreenWidth && xR >= 0.0f)) continue;
        EdgePoint l = SourceOnEdge(left, xL, y);
        EdgePoint r = SourceOnEdge(right, xR, y);
        float span = r.x - l.x;
        if (l.x < 0.0f) {
            l.u -= l.x * (r.u - l.u) / span;
            l.v -= l.x * (r.v - l.v) / span;
            span = r.x;
            l.x = 0.0f;
        }
        if (r.x >= kScreenWidth) {
            r.u = l.u + (kScreenWidth - l.x) * (r.u - l.u) / span;
            r.v = l.v + (kScreenWidth - l.x) * (r.v - l.v) / span;
            span = kScreenWidth - l.x;
        }
        const int32_t n = TruncateToInt(span);
        if (n <= 0) continue;
        ScreenLine(line, RoundToInt(y), RoundToInt(l.x), n, l.u, l.v, (r.u - l.u) / span, (r.v - l.v) / span);
    }
}

}  // namespace

void ScreenQuad(ISurface* dst, const Vertex destination[4], ISurface* src, const Vertex source[4]) {
    if (destination == nullptr || source == nullptr) return;
    const RowTable& screen = GraphScreenTable();
    if (!TableReady(screen)) return;
    PlaneView out;
    PlaneView in;
    if (!BindPixelPlane(dst, out) || !BindPixelPlane(src, in)) return;
    const QuadBands bands = BuildQuadBands(destination);
    const Line line{out, in, screen, KernelsFor(out, in)};
    for (int32_t i = 0; i < bands.count; ++i) DrawBand(line, bands.band[i], destination, source);
}
