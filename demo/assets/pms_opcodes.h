#pragma once

#include <cstdint>

// The opcode bytes of a PMS picture's two streams and the lengths their count bytes stand for:
// the demo's decoders (pms_streams.cpp) and the sample set's encoders (tools/pms) read them here.
// A byte below kFirstOpcode is a literal (the low byte of a colour in the colour stream).
namespace pms {

inline constexpr uint8_t kFirstOpcode = 0xF8;
inline constexpr uint8_t kEscape = 0xF8;         // a literal whose first byte would read as an opcode
inline constexpr uint8_t kSharedBits = 0xF9;     // colours sharing their top bits (a no-op in the byte stream)
inline constexpr uint8_t kDiagonalRight = 0xFA;  // the pixel above and one to the right (no-op for bytes)
inline constexpr uint8_t kDiagonalLeft = 0xFB;   // the pixel above and one to the left (no-op for bytes)
inline constexpr uint8_t kPattern = 0xFC;        // two values alternating
inline constexpr uint8_t kFill = 0xFD;           // one value repeated
inline constexpr uint8_t kCopyUp2 = 0xFE;        // pixels from two rows above
inline constexpr uint8_t kCopyUp = 0xFF;         // pixels from the row above

// What a count byte n adds up to in each stream: n + copy pixels copied, n + fill pixels filled,
// n + pairs pairs of a pattern, n + shared colours sharing top bits.
struct RunBias {
    int32_t copy;
    int32_t fill;
    int32_t pairs;
    int32_t shared;
};
inline constexpr RunBias kColourRuns = {2, 3, 2, 1};
inline constexpr RunBias kByteRuns = {3, 4, 3, 0};

}  // namespace pms
