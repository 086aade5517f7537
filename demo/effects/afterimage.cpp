#include "demo/base/bound_modules.h"
#include "demo/effects/effects.h"
#include "demo/effects/lookup_tables.h"
#include "demo/effects/pixel_plane.h"
#include "demo/effects/scaled_sampling.h"

namespace {

// keepRow = K scales the destination to K/255, the source adds s >> sourceShift; K + (255 >> shift)
// is 254 in every variant, so a byte never overflows.
void Afterimage(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                float fw, float fh, int32_t keepRow, int32_t sourceShift) {
    const RowTable& table = GraphMultiplyTable();
    if (!TableReady(table)) return;
    PixelPlane out;
    PixelPlane in;
    if (!BindPixelPlane(dst, out) || !BindPixelPlane(src, in)) return;
    ScaledWalk walk;
    if (!StartScaledWalk(out, dx, dy, w, rows, fx, fy, fw, fh, walk)) return;

    const uint8_t* keep = table.rows[keepRow];
    for (int32_t i = walk.rows.begin; i < walk.rows.end; ++i) {
        const uint8_t* sourceRow = in.Row(ClampIndex(walk.RowPosition(i) >> kScaledShift, in.height));
        uint8_t* p = out.Row(dy + i) + 3 * static_cast<intptr_t>(dx + walk.columns.begin);
        ForEachScaledColumn(walk.x, walk.stepX, walk.columns.Size(), in.width, [&](int32_t j, int32_t column) {
            const uint8_t* s = sourceRow + 3 * static_cast<intptr_t>(column);
            uint8_t* d = p + 3 * static_cast<intptr_t>(j);
            d[0] = static_cast<uint8_t>(keep[d[0]] + (s[0] >> sourceShift));
            d[1] = static_cast<uint8_t>(keep[d[1]] + (s[1] >> sourceShift));
            d[2] = static_cast<uint8_t>(keep[d[2]] + (s[2] >> sourceShift));
        });
    }
}

}  // namespace

void Afterimage16(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                  float fw, float fh) {
    Afterimage(dst, dx, dy, w, rows, src, fx, fy, fw, fh, 239, 4);
}

void Afterimage8(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                 float fw, float fh) {
    Afterimage(dst, dx, dy, w, rows, src, fx, fy, fw, fh, 223, 3);
}

void Afterimage4(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                 float fw, float fh) {
    Afterimage(dst, dx, dy, w, rows, src, fx, fy, fw, fh, 191, 2);
}
