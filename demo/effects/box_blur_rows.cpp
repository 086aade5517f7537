#include <cstring>
#include <memory>
#include <new>

#include "demo/base/plane_view.h"
#include "demo/effects/clip_indices.h"
#include "demo/effects/effects.h"

namespace {

struct ChannelSums {
    uint32_t c0 = 0;
    uint32_t c1 = 0;
    uint32_t c2 = 0;

    // 32-bit sums wrap as additions do, so a multiple count is the same as that many additions.
    void Add(const uint8_t* p, uint32_t times = 1) {
        c0 += p[0] * times;
        c1 += p[1] * times;
        c2 += p[2] * times;
    }
    void Subtract(const uint8_t* p) {
        c0 -= p[0];
        c1 -= p[1];
        c2 -= p[2];
    }
    void Store(uint8_t* out, uint32_t shift) const {
        out[0] = static_cast<uint8_t>(c0 >> shift);
        out[1] = static_cast<uint8_t>(c1 >> shift);
        out[2] = static_cast<uint8_t>(c2 >> shift);
    }
};

// The sum over in[clamp(j)] for j = -half .. half-1 without visiting every j: any window wider than
// the row only repeats the two edge pixels, so the first pixel costs O(w) whatever the window.
ChannelSums FirstWindow(const uint8_t* in, int32_t w, int32_t half) {
    ChannelSums sums;
    if (half <= 0) return sums;
    const uint8_t* last = in + 3 * static_cast<intptr_t>(w - 1);
    sums.Add(in, static_cast<uint32_t>(half) + 1);  // j = -half .. 0
    const int32_t directEnd = half - 1 < w - 1 ? half - 1 : w - 1;
    for (int32_t j = 1; j <= directEnd; ++j) sums.Add(in + 3 * static_cast<intptr_t>(j));
    if (half > w) sums.Add(last, static_cast<uint32_t>(half - w));  // j = w .. half-1
    return sums;
}

int32_t ClampColumn(int32_t j, int32_t w) { return j < 0 ? 0 : (j >= w ? w - 1 : j); }

// Moves the window one pixel right, to the sums of output pixel k.
template <bool Clamped>
inline void Slide(ChannelSums& sums, const uint8_t* in, int32_t k, int32_t h, int32_t w) {
    const int32_t leaving = Clamped ? ClampColumn(k - 1 - h, w) : k - 1 - h;
    const int32_t entering = Clamped ? ClampColumn(k - 1 + h, w) : k - 1 + h;
    sums.Subtract(in + 3 * static_cast<intptr_t>(leaving));
    sums.Add(in + 3 * static_cast<intptr_t>(entering));
}

// Blurs one row of w source pixels; out addresses output pixel stored.begin, and only the stored
// range is written.
void BlurRow(uint8_t* out, const uint8_t* in, int32_t w, int32_t half, uint32_t shift, IndexRange stored) {
    ChannelSums sums = FirstWindow(in, w, half);
    // Beyond +-w every index clamps to the same edge, so a narrower half keeps the result and
    // keeps the index arithmetic far from overflow.
    const int32_t h = half > w ? w : (half < -w ? -w : half);
    const int32_t end = stored.end;
    // From bodyBegin to bodyEnd both ends of the window lie inside the row: no clamping there.
    const int32_t bodyBegin = h >= 0 && h + 1 < end ? (h + 1 > 1 ? h + 1 : 1) : end;
    const int32_t bodyEnd = h >= 0 && w - h + 1 < end ? w - h + 1 : end;
    auto store = [&](int32_t k) {
        if (k >= stored.begin) {
            sums.Store(out, shift);
            out += 3;
        }
    };
    store(0);
    int32_t k = 1;
    for (; k < bodyBegin; ++k) {
        Slide<true>(sums, in, k, h, w);
        store(k);
    }
    for (; k < bodyEnd; ++k) {
        Slide<false>(sums, in, k, h, w);
        store(k);
    }
    for (; k < end; ++k) {
        Slide<true>(sums, in, k, h, w);
        store(k);
    }
}

// Byte addresses [low, high) that a rectangle of a plane covers.
struct ByteSpan {
    uintptr_t low;
    uintptr_t high;
};

ByteSpan SpanOf(const PlaneView& plane, int32_t x, int32_t y, int32_t w, int32_t rows) {
    const uintptr_t first = reinterpret_cast<uintptr_t>(plane.Row(y) + 3 * static_cast<intptr_t>(x));
    const uintptr_t last = reinterpret_cast<uintptr_t>(plane.Row(y + rows - 1) + 3 * static_cast<intptr_t>(x));
    return first < last ? ByteSpan{first, last + 3 * static_cast<uintptr_t>(w)}
                        : ByteSpan{last, first + 3 * static_cast<uintptr_t>(w)};
}

}  // namespace

void BoxBlurRows(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t rows,
                 int32_t window, int32_t shift) {
    if (rows <= 0 || w < 1) return;
    PlaneView out;
    PlaneView in;
    if (!BindPixelPlane(dst, out) || !BindPixelPlane(src, in)) return;
    // Edge pixels repeat at the source rectangle's ends; reading past the picture instead would
    // change every blurred value, so a source rectangle outside the source draws nothing.
    if (sx < 0 || sy < 0 || static_cast<int64_t>(sx) + w > in.width || static_cast<int64_t>(sy) + rows > in.height)
        return;
    const IndexRange rowRange = ClipIndices(dy, 1, rows, out.height);
    const IndexRange columns = ClipIndices(dx, 1, w, out.width);
    if (rowRange.Empty() || columns.Empty()) return;

    const int32_t half = window / 2;
    // Shift counts of 32 or more act as the processor's shift does, on the low five bits.
    const uint32_t shiftBits = static_cast<uint32_t>(shift) & 31u;

    // Blurring a surface into itself would read pixels it has already written; blur a copy instead.
    std::unique_ptr<uint8_t[]> copy;
    const ByteSpan read = SpanOf(in, sx, sy, w, rows);
    const ByteSpan written = SpanOf(out, dx + columns.begin, dy + rowRange.begin, columns.Size(), rowRange.Size());
    const bool overlaps = read.low < written.high && written.low < read.high;
    const intptr_t rowBytes = 3 * static_cast<intptr_t>(w);
    if (overlaps) {
        copy.reset(new (std::nothrow) uint8_t[static_cast<size_t>(rowBytes) * static_cast<size_t>(rows)]);
        if (!copy) return;
        for (int32_t r = 0; r < rows; ++r)
            std::memcpy(copy.get() + r * rowBytes, in.Row(sy + r) + 3 * static_cast<intptr_t>(sx),
                        static_cast<size_t>(rowBytes));
    }

    for (int32_t r = rowRange.begin; r < rowRange.end; ++r) {
        const uint8_t* inRow = overlaps ? copy.get() + r * rowBytes : in.Row(sy + r) + 3 * static_cast<intptr_t>(sx);
        BlurRow(out.Row(dy + r) + 3 * static_cast<intptr_t>(dx + columns.begin), inRow, w, half, shiftBits, columns);
    }
}
