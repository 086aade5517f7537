#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "host/graph/graph.h"
#include "host/graph/pixel_math.h"
#include "host/graph/surface_view.h"

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

// One texel coordinate and the weight (0..255) of its right or lower neighbour.
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

// Every destination column's two texels as byte offsets into a source row, and its horizontal
// weight over the pixel's three bytes: fixed for the whole call. Where the zoom magnifies, four
// columns' texels lie within sixteen bytes; such groups become quads for the kernels' byte
// shuffle, and the other columns are gathered one by one, after the quads.
struct Columns {
    Columns(const std::vector<Sample>& samples, int32_t sourceWidth) : rowBytes(sourceWidth * 3) {
        for (const Sample& u : samples) {
            left.push_back(u.first * 3);
            right.push_back(u.second * 3);
            weights.insert(weights.end(), 3, static_cast<uint8_t>(u.weight));
        }
        const int32_t count = static_cast<int32_t>(samples.size());
        int32_t column = 0;
        for (; column + 4 <= count; column += 4)
            if (!AddQuad(column))
                for (int32_t c = 0; c < 4; ++c) single.push_back(column + c);
        for (; column < count; ++column) single.push_back(column);
        // A single column is copied in four bytes where the next is also copied alone after it, or
        // is past the end: never over the first byte of a quad.
        for (size_t i = 0; i < single.size(); ++i) {
            const int32_t next = single[i] + 1;
            const bool nextAlone = next == count || (i + 1 < single.size() && single[i + 1] == next);
            singleBytes.push_back(nextAlone ? 4 : 3);
        }
    }

    bool AddQuad(int32_t column) {
        const auto first = left.begin() + column;
        const auto firstRight = right.begin() + column;
        const int32_t low =
            std::min(*std::min_element(first, first + 4), *std::min_element(firstRight, firstRight + 4));
        const int32_t high =
            std::max(*std::max_element(first, first + 4), *std::max_element(firstRight, firstRight + 4));
        if (high + 3 - low > 16 || low + 16 > rowBytes) return false;
        TexelQuad quad;
        std::memset(quad.left, 0x80, sizeof quad.left);
        std::memset(quad.right, 0x80, sizeof quad.right);
        for (int32_t c = 0; c < 4; ++c)
            for (int32_t k = 0; k < 3; ++k) {
                quad.left[3 * c + k] = static_cast<uint8_t>(left[column + c] - low + k);
                quad.right[3 * c + k] = static_cast<uint8_t>(right[column + c] - low + k);
            }
        quad.base = low;
        quad.column = column;
        quads.push_back(quad);
        return true;
    }

    std::vector<int32_t> left;
    std::vector<int32_t> right;
    std::vector<uint8_t> weights;
    std::vector<TexelQuad> quads;
    std::vector<int32_t> single;
    std::vector<uint8_t> singleBytes;  // 3 or 4, for each single column
    int32_t rowBytes;
};

// A source row stretched across the columns: the left and the right texels gathered into rows
// of their own, then mixed by the kernels' per-byte interpolation.
class Stretcher {
public:
    Stretcher(const Columns& columns, const RowKernels& kernels)
        : columns_(columns), kernels_(kernels), left_(columns.weights.size() + 4), right_(left_.size()) {}
    void Stretch(const uint8_t* sourceRow, uint8_t* out) {
        // The quads first: each may write four bytes past its columns, which a later quad or a
        // single column then overwrites.
        kernels_.gatherQuads(left_.data(), right_.data(), sourceRow, columns_.quads.data(), columns_.quads.size());
        for (size_t i = 0; i < columns_.single.size(); ++i) {
            const int32_t column = columns_.single[i];
            const int32_t bytes = columns_.singleBytes[i];
            CopyTexel(sourceRow, columns_.left[column], bytes, left_.data() + 3 * column);
            CopyTexel(sourceRow, columns_.right[column], bytes, right_.data() + 3 * column);
        }
        kernels_.lerpWeighted(out, left_.data(), right_.data(), columns_.weights.data(), columns_.weights.size());
    }

private:
    // Four bytes (the fourth belongs to the next column, copied after) where the row holds them;
    // otherwise three.
    void CopyTexel(const uint8_t* sourceRow, int32_t offset, int32_t bytes, uint8_t* to) const {
        if (bytes == 4 && offset + 4 <= columns_.rowBytes) {
            std::memcpy(to, sourceRow + offset, 4);
        } else {
            std::memcpy(to, sourceRow + offset, 3);
        }
    }

    const Columns& columns_;
    const RowKernels& kernels_;
    std::vector<uint8_t> left_;
    std::vector<uint8_t> right_;
};

// One stretched source row, kept for the next destination row, which often samples it again.
class StretchedRow {
public:
    explicit StretchedRow(size_t bytes) : bytes_(bytes) {}
    const uint8_t* For(const uint8_t* sourceRow, int32_t sourceY, Stretcher& stretcher) {
        if (sourceY != y_) {
            stretcher.Stretch(sourceRow, bytes_.data());
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
    SurfaceView s = SurfaceView::Of(src);
    if (!d.pixels || !s.pixels || dw <= 0 || dh <= 0) return;
    // Drawn onto itself, the surface is read as it was before the call.
    std::vector<uint8_t> before;
    if (s.pixels == d.pixels) s = s.PixelsCopiedTo(before);
    int64_t x0, y0, w0, h0;
    if (!ToFixed(fx, &x0) || !ToFixed(fy, &y0) || !ToFixed(fw, &w0) || !ToFixed(fh, &h0)) return;
    if (w0 <= 0 || h0 <= 0) return;
    host::FillRect out;
    if (!ClipFill(d.width, d.height, dx, dy, dw, dh, &out)) return;
    const int32_t l = ClampLevel(level);
    if (l == 0) return;
    std::vector<Sample> samples(static_cast<size_t>(out.w));
    for (int32_t col = 0; col < out.w; ++col)
        samples[col] = SampleAt(x0, w0, dw, static_cast<int64_t>(out.x) + col - dx, s.width);
    const Columns columns(samples, s.width);
    Stretcher stretcher(columns, *rows_);
    const size_t bytes = static_cast<size_t>(out.w) * 3;
    StretchedRow top(bytes), bottom(bytes);
    for (int32_t row = 0; row < out.h; ++row) {
        const Sample v = SampleAt(y0, h0, dh, static_cast<int64_t>(out.y) + row - dy, s.height);
        if (bottom.y() == v.first) top.SwapWith(bottom);
        const uint8_t* upper = top.For(s.PixelRow(v.first), v.first, stretcher);
        const uint8_t* lower = bottom.For(s.PixelRow(v.second), v.second, stretcher);
        uint8_t* to = d.PixelRow(out.y + row) + out.x * 3;
        // Mixing at 255 takes the source as it is.
        if (l == 255) {
            rows_->lerpConst(to, upper, lower, bytes, v.weight);
        } else {
            rows_->lerpMixConst(to, upper, lower, bytes, v.weight, l);
        }
    }
}

}  // namespace host
