#include <algorithm>

#include "demo/assets/pms_opcodes.h"
#include "pms_streams.h"
#include "run_choice.h"
#include "run_emit.h"
#include "run_lengths.h"

namespace tools {
namespace {

constexpr pms::RunBias kRuns = pms::kByteRuns;
constexpr int32_t kMaxCopy = 255 + kRuns.copy;
constexpr int32_t kMaxFill = 255 + kRuns.fill;
constexpr int32_t kMaxPairs = 255 + kRuns.pairs;

// Values that collide with the opcodes need the two-byte escape.
int32_t LiteralCost(uint8_t value) { return value >= pms::kFirstOpcode ? 2 : 1; }

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

    void Emit(const Choice<Op>& c, int32_t x) { EmitRun(out_, kRuns, c.op, row_ + x, c.pixels); }

private:
    const uint8_t* row_;
    int32_t width_;
    bool hasAbove_, hasAbove2_;
    std::vector<uint8_t>& out_;
    RunChooser<Op> chooser_;
    std::vector<int32_t> fill_, up_, up2_;
};

}  // namespace

std::vector<uint8_t> EncodeByteStream(const uint8_t* values, int32_t width, int32_t height) {
    return EncodeRows<RowEncoder>(values, width, height, 1);
}

}  // namespace tools
