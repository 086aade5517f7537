#include "demo/effects/effects.h"
#include "demo/effects/pixel_plane.h"
#include "demo/effects/scanline_rules.h"

namespace {

template <int Channel>
void MaskRow(uint8_t* out, int32_t count) {
    for (int32_t j = 0; j < count; ++j, out += 3) MaskPixel<Channel>(out);
}

}  // namespace

void ScanlineMask(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t rows) {
    PixelPlane out;
    if (!BindPixelPlane(dst, out)) return;
    const IndexRange rowRange = ClipIndices(y, 1, rows, out.height);
    const IndexRange columns = ClipIndices(x, 1, w, out.width);
    if (rowRange.Empty() || columns.Empty()) return;
    // The channel follows the row's place in the call, so a clipped top keeps the rotation.
    for (int32_t i = rowRange.begin; i < rowRange.end; ++i) {
        uint8_t* row = out.Row(y + i) + 3 * static_cast<intptr_t>(x + columns.begin);
        switch (i % 3) {
            case 0:
                MaskRow<0>(row, columns.Size());
                break;
            case 1:
                MaskRow<1>(row, columns.Size());
                break;
            default:
                MaskRow<2>(row, columns.Size());
                break;
        }
    }
}
