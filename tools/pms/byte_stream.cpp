#include <algorithm>

#include "pms_streams.h"
#include "run_choice.h"
#include "run_lengths.h"

namespace tools {
namespace {

constexpr int32_t kMaxCopy = 255 + 3;
constexpr int32_t kMaxFill = 255 + 4;
constexpr int32_t kMaxPairs = 255 + 3;

// Values that collide with the opcodes need the two-byte escape.
int32_t LiteralCost(uint8_t value) { return value >= 0xF8 ? 2 : 1; }

enum class Op { Literal, CopyUp, CopyUp2, Fill, Pattern };

class RowEncoder {
public:
    RowEncoder(const uint8_t* values, int32_t width, int32_t y, std::vector<uint8_t>& out)
        : row_(values + static_cast<size_t>(y) * width),
          width_(width),
          hasAbove_(y >= 1),
          hasAbove2_(y >= 2),
          out_(out),
          chooser_(row_, width, LiteralCost) {
        fill_ = FillLengths(row_, width);
        if (hasAbove_) up_ = MatchLengths(row_, row_ - width, width);
        if (hasAbove2_) up2_ = MatchLengths(row_, row_ - 2 * width, width);
    }

    void Encode() {
        for (int32_t x = 0; x < width_;) {
            const Choice<Op> choice = Choose(x);
            Emit(choice, x);
            x += choice.pixels;
        }
    }

private:
    Choice<Op> Choose(int32_t x) const {
        Choice<Op> best = chooser_.Literal(Op::Literal, x);
        if (hasAbove_)
            if (const int32_t n = std::min(up_[x], kMaxCopy); n >= 3) chooser_.Consider(best, Op::CopyUp, x, n, 2);
        if (hasAbove2_)
            if (const int32_t n = std::min(up2_[x], kMaxCopy); n >= 3) chooser_.Consider(best, Op::CopyUp2, x, n, 2);
        if (const int32_t n = std::min(fill_[x], kMaxFill); n >= 4) chooser_.Consider(best, Op::Fill, x, n, 3);
        if (const int32_t pairs = std::min(PatternPairs(row_, x, width_), kMaxPairs); pairs >= 3)
            chooser_.Consider(best, Op::Pattern, x, 2 * pairs, 4);
        return best;
    }

    void Put(uint8_t b) { out_.push_back(b); }

    void Emit(const Choice<Op>& c, int32_t x) {
        switch (c.op) {
            case Op::Literal:
                if (LiteralCost(row_[x]) == 2) Put(0xF8);
                Put(row_[x]);
                break;
            case Op::Pattern:
                Put(0xFC);
                Put(static_cast<uint8_t>(c.pixels / 2 - 3));
                Put(row_[x]);
                Put(row_[x + 1]);
                break;
            case Op::Fill:
                Put(0xFD);
                Put(static_cast<uint8_t>(c.pixels - 4));
                Put(row_[x]);
                break;
            case Op::CopyUp2:
                Put(0xFE);
                Put(static_cast<uint8_t>(c.pixels - 3));
                break;
            case Op::CopyUp:
                Put(0xFF);
                Put(static_cast<uint8_t>(c.pixels - 3));
                break;
        }
    }

    const uint8_t* row_;
    int32_t width_;
    bool hasAbove_, hasAbove2_;
    std::vector<uint8_t>& out_;
    RunChooser<Op> chooser_;
    std::vector<int32_t> fill_, up_, up2_;
};

}  // namespace

std::vector<uint8_t> EncodeByteStream(const uint8_t* values, int32_t width, int32_t height) {
    std::vector<uint8_t> out;
    if (values == nullptr || width <= 0 || height <= 0) return out;
    out.reserve(static_cast<size_t>(width) * height / 2);
    for (int32_t y = 0; y < height; ++y) RowEncoder(values, width, y, out).Encode();
    return out;
}

}  // namespace tools
