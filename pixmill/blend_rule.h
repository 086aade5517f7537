#pragma once

#include <cstdint>

// The two byte rules every blend kernel must reproduce exactly. Which rule a byte gets depends
// only on its pixel's place in the row (see row_layout.h), never on the kernel that runs.
// Functions here have internal linkage: kernel files are compiled with different instruction-set
// flags, and a shared inline copy could hand baseline code an instruction the CPU lacks.
namespace pixmill {

// T[i][j] = (2·i·j + 1) / 510, which is always the floor of i·j/255: the remainder of i·j by 255
// is at most 254, and the added 1/510 never lifts it past the next whole number.
static constexpr uint8_t BlendTableEntry(int32_t i, int32_t j) { return static_cast<uint8_t>((2 * i * j + 1) / 510); }

// Table form: exact, and never above 255 because T[255 − a][d] + T[a][s] ≤ 255.
static inline uint8_t TableBlendByte(const uint8_t* const* table, uint32_t a, uint8_t d, uint8_t s) {
    return static_cast<uint8_t>(table[255 - a][d] + table[a][s]);
}

// SIMD form: each 16-bit product shifted right by 8, the two halves added with saturation.
static inline uint8_t SimdBlendByte(uint32_t a, uint8_t d, uint8_t s) {
    uint32_t sum = ((s * a) >> 8) + ((d * (255 - a)) >> 8);
    return static_cast<uint8_t>(sum > 255 ? 255 : sum);
}

}  // namespace pixmill
