#pragma once

#include <cstddef>
#include <cstdint>

// The headers of the archive's two picture formats, as far as anything reads them: the demo's
// decoders and the asset tool take their fields from here alone.

// PMS: "PM", the depth at 6, the size at 24 and 28, the two stream offsets at 32 and 36.
struct PmsHeader {
    uint8_t depth = 0;  // 8 or 16
    int32_t width = 0;
    int32_t height = 0;
    uint32_t mainOffset = 0;   // 16-bit: the colour stream; 8-bit: the one stream
    uint32_t alphaOffset = 0;  // 16-bit: the alpha stream, 0 for none; 8-bit: unused by the demo
};
inline constexpr size_t kPmsHeaderSize = 40;

// BMP as the demo reads it: the rows' offset at 10, the size at 18 and 22, the bit count at 28.
struct BmpHeader {
    uint32_t rowsOffset = 0;
    int32_t width = 0;
    int32_t height = 0;  // positive: rows stored bottom-up
    uint8_t bitsPerPixel = 0;
};
inline constexpr size_t kBmpHeaderSize = 30;

// False when the picture is shorter than its header or lacks its signature.
bool ReadPmsHeader(const uint8_t* picture, size_t size, PmsHeader* header);
bool ReadBmpHeader(const uint8_t* picture, size_t size, BmpHeader* header);

// The bytes a stored BMP row takes: three a pixel, padded to a multiple of four.
inline uint64_t BmpStoredRowBytes(int32_t width) { return (static_cast<uint64_t>(width) * 3 + 3) & ~uint64_t{3}; }
