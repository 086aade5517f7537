#pragma once

#include <cstdint>
#include <vector>

namespace tools {

// For one row: at each column, how many pixels from there on equal a reference row (or the pixel
// itself, for fills). Computed right to left so that every look-up during encoding is O(1).
template <typename Pixel>
std::vector<int32_t> MatchLengths(const Pixel* row, const Pixel* reference, int32_t width) {
    std::vector<int32_t> lengths(static_cast<size_t>(width) + 1, 0);
    for (int32_t x = width - 1; x >= 0; --x) lengths[x] = row[x] == reference[x] ? lengths[x + 1] + 1 : 0;
    return lengths;
}

template <typename Pixel>
std::vector<int32_t> FillLengths(const Pixel* row, int32_t width) {
    std::vector<int32_t> lengths(static_cast<size_t>(width) + 1, 0);
    for (int32_t x = width - 1; x >= 0; --x)
        lengths[x] = (x + 1 < width && row[x] == row[x + 1]) ? lengths[x + 1] + 1 : 1;
    return lengths;
}

// Number of whole (a, b) pairs starting at column x, with a != b.
template <typename Pixel>
int32_t PatternPairs(const Pixel* row, int32_t x, int32_t width) {
    if (x + 1 >= width || row[x] == row[x + 1]) return 0;
    int32_t pairs = 1;
    while (x + 2 * pairs + 1 < width && row[x + 2 * pairs] == row[x] && row[x + 2 * pairs + 1] == row[x + 1]) ++pairs;
    return pairs;
}

}  // namespace tools
