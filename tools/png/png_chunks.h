#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What the PNG reader and writer share: the file signature, chunk framing and the row filters.
namespace tools::png {

inline constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

enum class RowFilter : uint8_t { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };

inline uint32_t LoadBe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
           static_cast<uint32_t>(p[3]);
}

void PutBe32(std::vector<uint8_t>& out, uint32_t value);

// Appends one chunk: length, type, data and the CRC of type and data.
void PutChunk(std::vector<uint8_t>& out, const char type[4], const uint8_t* data, size_t size);

// The CRC a chunk of this type and data must carry.
uint32_t ChunkCrc(const uint8_t* typeAndData, size_t size);

// The byte a filter predicts from the left (a), above (b) and upper-left (c) neighbours.
uint8_t Predict(RowFilter filter, uint8_t a, uint8_t b, uint8_t c);

}  // namespace tools::png
