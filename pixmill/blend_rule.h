#pragma once

#include <cstdint>

#include "simd/byte_rules.h"

// The two byte rules every blend kernel must reproduce exactly (simd/byte_rules.h states them).
// Which rule a byte gets depends only on its pixel's place in the row (see row_layout.h), never on
// the kernel that runs. Internal linkage: kernel files are compiled with different instruction-set
// flags, and a shared inline copy could hand baseline code an instruction the CPU lacks.
namespace pixmill {

// Table form: T[255 − a][d] + T[a][s] from the table of simd::Product, which is simd::Mix: exact,
// and never above 255.
static inline uint8_t TableBlendByte(const uint8_t* const* table, uint32_t a, uint8_t d, uint8_t s) {
    return static_cast<uint8_t>(table[255 - a][d] + table[a][s]);
}

// SIMD form: each 16-bit product shifted right by 8, the two halves added with saturation.
static inline uint8_t SimdBlendByte(uint32_t a, uint8_t d, uint8_t s) {
    return simd::ShiftMix(d, s, static_cast<int32_t>(a));
}

}  // namespace pixmill
