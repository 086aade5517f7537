#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools {

// An uncompressed 24-bit Windows bitmap: rows stored bottom-up, each padded to 4 bytes.
// pixels holds width x height pixels in blue, green, red order, top row first.
// Empty result when the sizes disagree.
std::vector<uint8_t> WriteBmp24(int32_t width, int32_t height, const std::vector<uint8_t>& pixels);

}  // namespace tools
