#include <algorithm>

#include "demo/assets/pms_opcodes.h"
#include "pms_streams.h"
#include "run_choice.h"
#include "run_emit.h"
#include "run_lengths.h"

namespace tools {
namespace {

constexpr pms::RunBias kRuns = pms::kColourRuns;
constexpr int32_t kMaxCopy = 255 + kRuns.copy;
constexpr int32_t kMaxFill = 255 + kRuns.fill;
constexpr int32_t kMaxPairs = 255 + kRuns.pairs;
constexpr int32_t kMaxShared = 255 + kRuns.shared;

// Literals whose low byte collides with the opcodes need the three-byte escape.
int32_t LiteralCost(uint16_t colour) { return (colour & 0xFF) >= pms::kFirstOpcode ? 3 : 2; }

// The bits a shared-bits run keeps in its header byte: the top bits of each component.
uint8_t HighBits(uint16_t c) {
    const int r = c >> 11, g = (c >> 5) & 63, b = c & 31;
    return static_cast<uint8_t>((r >> 2) << 5 | (g >> 4) << 3 | (b >> 2));
}
uint8_t LowBits(uint16_t c) {
    const int r = c >> 11, g = (c >> 5) & 63, b = c & 31;
    return static_cast<uint8_t>((r & 3) << 6 | (g & 15) << 2 | (b & 3));
}

class RowEncoder {
public:
    RowEncoder(const uint16_t* colours, int32_t width, int32_t y, std::vector<uint8_t>& out)
        : row_(colours + static_cast<size_t>(y) * width),
          above_(y >= 1 ? row_ - width : nullptr),
          above2_(y >= 2 ? row_ - 2 * width : nullptr),
          width_(width),
          out_(out),
          chooser_(row_, width, LiteralCost) {
        fill_ = FillLengths(row_, width);
        if (above_) up_ = MatchLengths(row_, above_, width);
        if (above2_) up2_ = MatchLengths(row_, above2_, width);
    }

    Choice<Op> Choose(int32_t x) const {
        Choice<Op> best = chooser_.Literal(Op::Literal, x);
        if (const int32_t n = std::min(Up(x), kMaxCopy); n >= 2) chooser_.Consider(best, Op::CopyUp, x, n, 2);
        if (const int32_t n = std::min(Up2(x), kMaxCopy); n >= 2) chooser_.Consider(best, Op::CopyUp2, x, n, 2);
        if (const int32_t n = std::min(fill_[x], kMaxFill); n >= 3) chooser_.Consider(best, Op::Fill, x, n, 4);
        if (const int32_t pairs = std::min(PatternPairs(row_, x, width_), kMaxPairs); pairs >= 2)
            chooser_.Consider(best, Op::Pattern, x, 2 * pairs, 6);
        if (DiagRight(x)) chooser_.Consider(best, Op::DiagRight, x, 1, 1);
        if (DiagLeft(x)) chooser_.Consider(best, Op::DiagLeft, x, 1, 1);
        const uint8_t high = HighBits(row_[x]);
        int32_t n = 1;
        while (x + n < width_ && n < kMaxShared && HighBits(row_[x + n]) == high && !BetterElsewhere(x + n)) ++n;
        if (n >= 2) chooser_.Consider(best, Op::Shared, x, n, 2 + n);
        return best;
    }

    void Emit(const Choice<Op>& c, int32_t x) {
        switch (c.op) {
            case Op::Shared:
                out_.push_back(pms::kSharedBits);
                out_.push_back(static_cast<uint8_t>(c.pixels - kRuns.shared));
                out_.push_back(HighBits(row_[x]));
                for (int32_t i = 0; i < c.pixels; ++i) out_.push_back(LowBits(row_[x + i]));
                break;
            case Op::DiagRight:
                out_.push_back(pms::kDiagonalRight);
                break;
            case Op::DiagLeft:
                out_.push_back(pms::kDiagonalLeft);
                break;
            default:
                EmitRun(out_, kRuns, c.op, row_ + x, c.pixels);
                break;
        }
    }

private:
    int32_t Up(int32_t x) const { return above_ ? up_[x] : 0; }
    int32_t Up2(int32_t x) const { return above2_ ? up2_[x] : 0; }
    bool DiagRight(int32_t x) const { return above_ && x + 1 < width_ && row_[x] == above_[x + 1]; }
    bool DiagLeft(int32_t x) const { return above_ && x >= 1 && row_[x] == above_[x - 1]; }

    // A pixel where a dedicated opcode beats the one byte a pixel of a shared-bits run.
    bool BetterElsewhere(int32_t x) const {
        if (Up(x) >= 3 || Up2(x) >= 3 || fill_[x] >= 5) return true;
        return x + 2 < width_ && row_[x + 2] == row_[x] && PatternPairs(row_, x, width_) >= 4;
    }

    const uint16_t* row_;
    const uint16_t* above_;
    const uint16_t* above2_;
    int32_t width_;
    std::vector<uint8_t>& out_;
    RunChooser<Op> chooser_;
    std::vector<int32_t> fill_, up_, up2_;
};

}  // namespace

std::vector<uint8_t> EncodeColourStream(const uint16_t* colours, int32_t width, int32_t height) {
    return EncodeRows<RowEncoder>(colours, width, height, 2);
}

}  // namespace tools
