#include "demo/assets/pms_streams.h"

#include <cstring>

#include "demo/assets/pms_opcodes.h"

namespace {

// Where the decoders write: the current position q in the plane, with the bounds every opcode is
// checked against. Offsets are kept relative to the plane start so that no pointer is ever formed
// outside it.
template <int BytesPerPixel>
class PlaneCursor {
public:
    explicit PlaneCursor(const PlaneView& plane)
        : base_(plane.base),
          pitch_(plane.pitch),
          rowBytes_(static_cast<ptrdiff_t>(plane.width) * BytesPerPixel),
          end_(static_cast<ptrdiff_t>(plane.height - 1) * plane.pitch + rowBytes_) {}

    void StartRow(int32_t row) {
        at_ = static_cast<ptrdiff_t>(row) * pitch_;
        rowEnd_ = at_ + rowBytes_;
    }
    bool RowOpen() const { return at_ < rowEnd_; }
    uint8_t* Here() const { return base_ + at_; }

    // How many of n pixels fit before the end of the plane.
    ptrdiff_t Fit(ptrdiff_t n) const {
        const ptrdiff_t room = (end_ - at_) / BytesPerPixel;
        return n < room ? n : room;
    }
    void Advance(ptrdiff_t pixels) { at_ += pixels * BytesPerPixel; }

    // Copies n pixels from back bytes before q; false when that reaches above the plane.
    bool CopyFromBehind(ptrdiff_t back, ptrdiff_t n) {
        if (at_ < back) return false;
        const ptrdiff_t count = Fit(n);
        std::memmove(base_ + at_, base_ + at_ - back, static_cast<size_t>(count) * BytesPerPixel);
        Advance(count);
        return true;
    }

    ptrdiff_t Pitch() const { return pitch_; }

private:
    uint8_t* base_;
    ptrdiff_t pitch_;
    ptrdiff_t rowBytes_;
    ptrdiff_t end_;
    ptrdiff_t at_ = 0;
    ptrdiff_t rowEnd_ = 0;
};

// The opcode bytes of one stream; every opcode asks for its operands before touching them.
class StreamInput {
public:
    StreamInput(const uint8_t* data, size_t size) : next_(data), end_(data + size) {}
    bool Has(size_t n) const { return static_cast<size_t>(end_ - next_) >= n; }
    uint8_t Take() { return *next_++; }
    const uint8_t* Skip(size_t n) {
        const uint8_t* at = next_;
        next_ += n;
        return at;
    }

private:
    const uint8_t* next_;
    const uint8_t* end_;
};

// A run copied from rows above, its length the count byte plus bias.
template <int BytesPerPixel>
bool CopyFromAbove(StreamInput& in, PlaneCursor<BytesPerPixel>& cursor, int32_t rows, int32_t bias) {
    if (!in.Has(1)) return false;
    return cursor.CopyFromBehind(rows * cursor.Pitch(), in.Take() + bias);
}

struct Bgr {
    uint8_t blue, green, red;
};

// The top bits repeat into the low bits, so 0 stays 0 and the largest value becomes 255.
inline Bgr Expand(uint32_t r5, uint32_t g6, uint32_t b5) {
    return Bgr{static_cast<uint8_t>(b5 << 3 | b5 >> 2), static_cast<uint8_t>(g6 << 2 | g6 >> 4),
               static_cast<uint8_t>(r5 << 3 | r5 >> 2)};
}

inline Bgr Expand565(uint32_t low, uint32_t high) {
    const uint32_t colour = low | high << 8;
    return Expand(colour >> 11, (colour >> 5) & 0x3F, colour & 0x1F);
}

inline void Put(uint8_t* q, Bgr colour) {
    q[0] = colour.blue;
    q[1] = colour.green;
    q[2] = colour.red;
}

void FillColour(PlaneCursor<3>& cursor, ptrdiff_t n, Bgr colour) {
    const ptrdiff_t count = cursor.Fit(n);
    uint8_t* q = cursor.Here();
    for (ptrdiff_t i = 0; i < count; ++i, q += 3) Put(q, colour);
    cursor.Advance(count);
}

void AlternateColours(PlaneCursor<3>& cursor, ptrdiff_t pairs, Bgr a, Bgr b) {
    const ptrdiff_t count = cursor.Fit(2 * pairs);
    uint8_t* q = cursor.Here();
    for (ptrdiff_t i = 0; i < count; ++i, q += 3) Put(q, (i & 1) == 0 ? a : b);
    cursor.Advance(count);
}

// One opcode of the colour stream; false on a stream that ends early or a copy from above the plane.
bool ColourOpcode(StreamInput& in, PlaneCursor<3>& cursor) {
    constexpr pms::RunBias kRuns = pms::kColourRuns;
    const uint8_t c = in.Take();
    if (c < pms::kFirstOpcode) {
        if (!in.Has(1)) return false;
        FillColour(cursor, 1, Expand565(c, in.Take()));
        return true;
    }
    switch (c) {
        case pms::kEscape: {
            if (!in.Has(2)) return false;
            const uint8_t* d = in.Skip(2);
            FillColour(cursor, 1, Expand565(d[0], d[1]));
            return true;
        }
        case pms::kSharedBits: {
            if (!in.Has(2)) return false;
            const ptrdiff_t n = in.Take() + kRuns.shared;
            const uint32_t h = in.Take();
            if (!in.Has(static_cast<size_t>(n))) return false;
            const uint8_t* m = in.Skip(static_cast<size_t>(n));
            const ptrdiff_t count = cursor.Fit(n);
            uint8_t* q = cursor.Here();
            for (ptrdiff_t i = 0; i < count; ++i, q += 3) {
                Put(q, Expand((h >> 5) * 4 + (m[i] >> 6), ((h >> 3) & 3) * 16 + ((m[i] >> 2) & 0xF),
                              (h & 7) * 4 + (m[i] & 3)));
            }
            cursor.Advance(count);
            return true;
        }
        case pms::kDiagonalRight:
            return cursor.CopyFromBehind(cursor.Pitch() - 3, 1);
        case pms::kDiagonalLeft:
            return cursor.CopyFromBehind(cursor.Pitch() + 3, 1);
        case pms::kPattern: {
            if (!in.Has(5)) return false;
            const uint8_t* d = in.Skip(5);
            AlternateColours(cursor, d[0] + kRuns.pairs, Expand565(d[1], d[2]), Expand565(d[3], d[4]));
            return true;
        }
        case pms::kFill: {
            if (!in.Has(3)) return false;
            const uint8_t* d = in.Skip(3);
            FillColour(cursor, d[0] + kRuns.fill, Expand565(d[1], d[2]));
            return true;
        }
        case pms::kCopyUp2:
            return CopyFromAbove(in, cursor, 2, kRuns.copy);
        default:  // pms::kCopyUp
            return CopyFromAbove(in, cursor, 1, kRuns.copy);
    }
}

bool ByteOpcode(StreamInput& in, PlaneCursor<1>& cursor) {
    constexpr pms::RunBias kRuns = pms::kByteRuns;
    const uint8_t c = in.Take();
    // An open row always has room for one more pixel, so single values need no fitting.
    if (c < pms::kFirstOpcode) {
        *cursor.Here() = c;
        cursor.Advance(1);
        return true;
    }
    switch (c) {
        case pms::kEscape: {
            if (!in.Has(1)) return false;
            *cursor.Here() = in.Take();
            cursor.Advance(1);
            return true;
        }
        case pms::kSharedBits:
        case pms::kDiagonalRight:
        case pms::kDiagonalLeft:
            return true;
        case pms::kPattern: {
            if (!in.Has(3)) return false;
            const uint8_t* d = in.Skip(3);
            const ptrdiff_t count = cursor.Fit(2 * (d[0] + kRuns.pairs));
            uint8_t* q = cursor.Here();
            for (ptrdiff_t i = 0; i < count; ++i) q[i] = (i & 1) == 0 ? d[1] : d[2];
            cursor.Advance(count);
            return true;
        }
        case pms::kFill: {
            if (!in.Has(2)) return false;
            const uint8_t* d = in.Skip(2);
            const ptrdiff_t count = cursor.Fit(d[0] + kRuns.fill);
            std::memset(cursor.Here(), d[1], static_cast<size_t>(count));
            cursor.Advance(count);
            return true;
        }
        case pms::kCopyUp2:
            return CopyFromAbove(in, cursor, 2, kRuns.copy);
        default:  // pms::kCopyUp
            return CopyFromAbove(in, cursor, 1, kRuns.copy);
    }
}

template <int BytesPerPixel, typename Opcode>
bool DecodeRows(const uint8_t* stream, size_t size, const PlaneView& plane, Opcode opcode) {
    if (plane.base == nullptr || plane.width <= 0 || plane.height <= 0) return false;
    StreamInput in(stream, size);
    PlaneCursor<BytesPerPixel> cursor(plane);
    for (int32_t row = 0; row < plane.height; ++row) {
        cursor.StartRow(row);
        while (cursor.RowOpen()) {
            if (!in.Has(1) || !opcode(in, cursor)) return false;
        }
    }
    return true;
}

}  // namespace

bool DecodePmsColourStream(const uint8_t* stream, size_t size, const PlaneView& plane) {
    return DecodeRows<3>(stream, size, plane, ColourOpcode);
}

bool DecodePmsByteStream(const uint8_t* stream, size_t size, const PlaneView& plane) {
    return DecodeRows<1>(stream, size, plane, ByteOpcode);
}
