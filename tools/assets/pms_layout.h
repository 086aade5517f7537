#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Where the header fields of the archive's two picture formats lie.
namespace assetkit {

// A PMS header as far as the demo reads it, and a BMP's up to its bit count.
inline constexpr size_t kPmsHeaderRead = 40;
inline constexpr size_t kBmpHeaderRead = 30;

struct PmsLayout {
    uint8_t depth = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t mainOffset = 0;
    uint32_t alphaOffset = 0;  // 16-bit: the alpha stream; 8-bit: the palette, when there is one
};

// data holds at least kPmsHeaderRead bytes.
PmsLayout ReadPmsLayout(const uint8_t* data);

// The bytes a stored BMP row takes: three a pixel, padded to a multiple of four.
inline uint64_t BmpStoredRowBytes(int32_t width) { return (static_cast<uint64_t>(width) * 3 + 3) & ~uint64_t{3}; }

// An 8-bit PMS picture carries its palette (red, green, blue of 256 entries) at the offset the
// 16-bit pictures use for alpha; the demo shows the values as a shape, not through it. The
// palette, or a grey ramp for pictures without one.
inline constexpr size_t kPmsPaletteBytes = 768;
std::vector<uint8_t> PmsPaletteOf(const uint8_t* data, size_t size);

}  // namespace assetkit
