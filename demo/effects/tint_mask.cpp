#include "demo/base/bound_modules.h"
#include "demo/effects/effects.h"
#include "demo/effects/lookup_tables.h"
#include "demo/effects/pixel_plane.h"
#include "demo/effects/scaled_sampling.h"

// The tint weighs the destination with T[255 - m] and the colour with T[colour][m], m being half
// the mask byte, so the colour covers at most 127/255 of a pixel and the sum never passes 255.

namespace {

struct TintColour {
    const uint8_t* blue;  // multiply table rows of the three components
    const uint8_t* green;
    const uint8_t* red;
    uint8_t halfBlue;
    uint8_t halfGreen;
    uint8_t halfRed;
};

// Components outside 0..255 keep their low byte, as the halves of the scaled form always did.
TintColour MakeTintColour(const RowTable& table, int32_t red, int32_t green, int32_t blue) {
    return {table.rows[blue & 255],
            table.rows[green & 255],
            table.rows[red & 255],
            static_cast<uint8_t>((blue & 255) >> 1),
            static_cast<uint8_t>((green & 255) >> 1),
            static_cast<uint8_t>((red & 255) >> 1)};
}

inline void TintPixel(uint8_t* d, int32_t m, const RowTable& table, const TintColour& colour) {
    const uint8_t* keep = table.rows[255 - m];
    d[0] = static_cast<uint8_t>(keep[d[0]] + colour.blue[m]);
    d[1] = static_cast<uint8_t>(keep[d[1]] + colour.green[m]);
    d[2] = static_cast<uint8_t>(keep[d[2]] + colour.red[m]);
}

IndexRange Intersect(IndexRange a, IndexRange b) {
    return {a.begin > b.begin ? a.begin : b.begin, a.end < b.end ? a.end : b.end};
}

}  // namespace

void TintMask(ISurface* dst, int32_t dx, int32_t dy, ISurface* mask, int32_t mx, int32_t my, int32_t w, int32_t rows,
              int32_t red, int32_t green, int32_t blue) {
    if (w <= 0 || rows <= 0) return;
    const RowTable& table = GraphMultiplyTable();
    if (!TableReady(table)) return;
    PixelPlane out;
    PixelPlane weights;
    if (!BindPixelPlane(dst, out) || !BindAlphaPlane(mask, weights)) return;
    // Destination and mask move together, so a pixel is drawn only where both rectangles exist.
    const IndexRange rowRange =
        Intersect(ClipIndices(dy, 1, rows, out.height), ClipIndices(my, 1, rows, weights.height));
    const IndexRange columns = Intersect(ClipIndices(dx, 1, w, out.width), ClipIndices(mx, 1, w, weights.width));
    if (rowRange.Empty() || columns.Empty()) return;

    const TintColour colour = MakeTintColour(table, red, green, blue);
    for (int32_t i = rowRange.begin; i < rowRange.end; ++i) {
        uint8_t* p = out.Row(dy + i) + 3 * static_cast<intptr_t>(dx + columns.begin);
        const uint8_t* a = weights.Row(my + i) + (mx + columns.begin);
        for (int32_t j = 0; j < columns.Size(); ++j, p += 3) {
            const int32_t m = a[j] >> 1;
            if (m != 0) TintPixel(p, m, table, colour);
        }
    }
}

void TintMaskScaled(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* mask, float fx, float fy,
                    float fw, float fh, int32_t red, int32_t green, int32_t blue) {
    const RowTable& table = GraphMultiplyTable();
    if (!TableReady(table)) return;
    PixelPlane out;
    PixelPlane weights;
    if (!BindPixelPlane(dst, out) || !BindAlphaPlane(mask, weights)) return;
    ScaledWalk walk;
    if (!StartScaledWalk(out, dx, dy, w, rows, fx, fy, fw, fh, walk)) return;

    const TintColour colour = MakeTintColour(table, red, green, blue);
    for (int32_t i = walk.rows.begin; i < walk.rows.end; ++i) {
        const int32_t maskRow = ClampIndex(walk.RowPosition(i) >> kScaledShift, weights.height);
        const uint8_t* a = weights.Row(maskRow);
        uint8_t* p = out.Row(dy + i) + 3 * static_cast<intptr_t>(dx + walk.columns.begin);
        ForEachScaledColumn(walk.x, walk.stepX, walk.columns.Size(), weights.width, [&](int32_t j, int32_t column) {
            const int32_t m = a[column] >> 1;
            uint8_t* d = p + 3 * static_cast<intptr_t>(j);
            if (m == 0) return;
            if (m == 127) {
                // Full strength is an exact half-and-half mix.
                d[0] = static_cast<uint8_t>((d[0] >> 1) + colour.halfBlue);
                d[1] = static_cast<uint8_t>((d[1] >> 1) + colour.halfGreen);
                d[2] = static_cast<uint8_t>((d[2] >> 1) + colour.halfRed);
            } else {
                TintPixel(d, m, table, colour);
            }
        });
    }
}
