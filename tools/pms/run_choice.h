#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools {

// An operation chosen at a column: the pixels it covers and its bytes against literals.
template <typename Op>
struct Choice {
    Op op{};
    int32_t pixels = 1;
    int32_t saving = 0;  // bytes saved against literals
    int32_t cost = 0;    // bytes of the operation
};

// Picks between the runs possible at a column by the bytes they save over spelling the same
// pixels as literals. The literal costs of a row are summed once, so a run's is a subtraction.
template <typename Op>
class RunChooser {
public:
    template <typename Pixel, typename LiteralCost>
    RunChooser(const Pixel* row, int32_t width, LiteralCost literalCost)
        : literalPrefix_(static_cast<size_t>(width) + 1, 0) {
        for (int32_t x = 0; x < width; ++x) literalPrefix_[x + 1] = literalPrefix_[x] + literalCost(row[x]);
    }

    int32_t Literals(int32_t x, int32_t n) const { return literalPrefix_[x + n] - literalPrefix_[x]; }

    // The choice to beat: the pixel at x as a literal.
    Choice<Op> Literal(Op literal, int32_t x) const { return {literal, 1, 0, Literals(x, 1)}; }

    // Equal savings favour the cheaper operation: a fill one pixel longer than a copy from above
    // saves the same, but the copy leaves the following pixels to the next, equally cheap copy.
    void Consider(Choice<Op>& best, Op op, int32_t x, int32_t pixels, int32_t cost) const {
        const int32_t saving = Literals(x, pixels) - cost;
        if (saving > best.saving || (saving == best.saving && cost < best.cost)) best = {op, pixels, saving, cost};
    }

private:
    std::vector<int32_t> literalPrefix_;
};

}  // namespace tools
