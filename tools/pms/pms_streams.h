#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Encoders for the two opcode streams of a PMS picture. Each covers a whole plane, top row first,
// and never lets a run cross the end of its row, so any conforming decoder reproduces the plane
// exactly. Runs are chosen greedily by the bytes they save over literals.
namespace tools {

// Colours are RGB 5-6-5 values, width x height of them, row after row.
std::vector<uint8_t> EncodeColourStream(const uint16_t* colours, int32_t width, int32_t height);

// Values of an 8-bit plane (alpha or mask), width x height, row after row.
std::vector<uint8_t> EncodeByteStream(const uint8_t* values, int32_t width, int32_t height);

}  // namespace tools
