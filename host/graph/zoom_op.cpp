#include <cmath>
#include <utility>
#include <vector>

#include "host/graph/graph.h"
#include "host/graph/pixel_math.h"
#include "host/graph/surface_view.h"
#include "host/graph/weighted_rows.h"

namespace host {
namespace {

// Source coordinates in 16.16 fixed point. Scaling a float by 65536 is exact, and after this one
// conversion everything is integer, so both builds sample the same texels.
constexpr int64_t kOne = 65536;
constexpr float kLimit = 1.0e6f;

bool ToFixed(float value, int64_t* out) {
    if (!std::isfinite(value) || value > kLimit || value < -kLimit) return false;
    *out = static_cast<int64_t>(value * 65536.0f);
    return true;
}

int32_t ClampIndex(int64_t value, int32_t size) {
    return static_cast<int32_t>(value < 0 ? 0 : (value >= size ? size - 1 : value));
}

// One texel coordinate and the weight (0..256) of its right or lower neighbour.
struct Sample {
    int32_t first;
    int32_t second;
    int32_t weight;
};

// Centre of destination pixel i mapped into the source, less half a texel so that bilinear
// weights are measured between texel centres.
Sample SampleAt(int64_t origin, int64_t extent, int64_t count, int64_t i, int32_t size) {
    const int64_t position = origin + (extent * (2 * i + 1)) / (2 * count) - kOne / 2;
    const int64_t whole = position >> 16;  // floor, also for negative positions
    return Sample{ClampIndex(whole, size), ClampIndex(whole + 1, size), static_cast<int32_t>((position >> 8) & 255)};
}

// One source row stretched across the destination columns: each column's two texels mixed by
// its horizontal weight. Kept for the next destination row, which often samples the same rows.
class StretchedRow {
public:
    explicit StretchedRow(size_t bytes) : bytes_(bytes) {}
    const uint8_t* For(const uint8_t* sourceRow, int32_t sourceY, const std::vector<Sample>& columns) {
        if (sourceY != y_) {
            uint8_t* o = bytes_.data();
            for (const Sample& u : columns) {
                const uint8_t* left = sourceRow + u.first * 3;
                const uint8_t* right = sourceRow + u.second * 3;
                for (int c = 0; c < 3; ++c) *o++ = Lerp(left[c], right[c], u.weight);
            }
            y_ = sourceY;
        }
        return bytes_.data();
    }
    int32_t y() const { return y_; }
    void SwapWith(StretchedRow& other) {
        bytes_.swap(other.bytes_);
        std::swap(y_, other.y_);
    }

private:
    std::vector<uint8_t> bytes_;
    int32_t y_ = -1;
};

}  // namespace

// The float rectangle (fx, fy, fw, fh) of src is stretched bilinearly over (dx, dy, dw, dh) and
// drawn at a level; the mapping is fixed by the unclipped rectangle, so clipping never shifts it.
// Each texel value is Lerp(Lerp(top-left, top-right, u), Lerp(bottom-left, bottom-right, u), v):
// the horizontal step per source row once, the vertical and the level per destination row.
void Graph::ZoomRect(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, float fx, float fy,
                     float fw, float fh, int32_t level) {
    const SurfaceView d = SurfaceView::Of(dst);
    const SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || !s.pixels || dw <= 0 || dh <= 0) return;
    int64_t x0, y0, w0, h0;
    if (!ToFixed(fx, &x0) || !ToFixed(fy, &y0) || !ToFixed(fw, &w0) || !ToFixed(fh, &h0)) return;
    if (w0 <= 0 || h0 <= 0) return;
    host::FillRect out;
    if (!ClipFill(d.width, d.height, dx, dy, dw, dh, &out)) return;
    const int32_t l = ClampLevel(level);
    if (l == 0) return;
    std::vector<Sample> columns(static_cast<size_t>(out.w));
    for (int32_t col = 0; col < out.w; ++col)
        columns[col] = SampleAt(x0, w0, dw, static_cast<int64_t>(out.x) + col - dx, s.width);
    const size_t bytes = static_cast<size_t>(out.w) * 3;
    StretchedRow top(bytes), bottom(bytes);
    std::vector<uint8_t> value(bytes);
    for (int32_t row = 0; row < out.h; ++row) {
        const Sample v = SampleAt(y0, h0, dh, static_cast<int64_t>(out.y) + row - dy, s.height);
        if (bottom.y() == v.first) top.SwapWith(bottom);
        const uint8_t* upper = top.For(s.PixelRow(v.first), v.first, columns);
        const uint8_t* lower = bottom.For(s.PixelRow(v.second), v.second, columns);
        rows_->lerpConst(value.data(), upper, lower, bytes, v.weight);
        MixRowConst(*rows_, d.PixelRow(out.y + row) + out.x * 3, value.data(), out.w, l);
    }
}

}  // namespace host
