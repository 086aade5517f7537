#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assetkit {

// An 8-bit PMS picture carries its palette (red, green, blue of 256 entries) at the offset the
// 16-bit pictures use for alpha; the demo shows the values as a shape, not through it, but an
// editor shows them through it, and a changed picture keeps it.
inline constexpr size_t kPmsPaletteBytes = 768;

// Whether the picture carries a palette, and the palette, or a grey ramp for pictures without.
bool HasPmsPalette(const uint8_t* picture, size_t size);
std::vector<uint8_t> PmsPaletteOf(const uint8_t* picture, size_t size);

}  // namespace assetkit
