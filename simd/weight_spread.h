#pragma once

#include <cstdint>

// How the modules' SIMD kernels spread per-pixel weights over the pixels' colour bytes with byte
// shuffles, which work within 128-bit halves. For 32 weights and 96 colour bytes (three 256-bit
// vectors), byte k of half h of vector c belongs to pixel (32c + 16h + k) / 3; the shuffle for
// vector c reads the half of the weights that holds it: pixels 0-15 for the first three halves,
// 16-31 for the last three, so vector 0 reads the low half twice, vector 1 both, vector 2 the
// high half twice. Data only: included by files built with any instruction-set flags.
namespace simd::weight_spread {

// A shuffle index with its top bit set writes a zero byte.
inline constexpr uint8_t kZeroByte = 0x80;

// low and high put the weights of bytes 0-7 and 8-15 of each half into the low bytes of 16-bit
// lanes, the form the blends multiply by.
struct Tables {
    alignas(32) uint8_t low[3][32];
    alignas(32) uint8_t high[3][32];
};

consteval Tables MakeTables() {
    Tables tables{};
    for (int32_t c = 0; c < 3; ++c)
        for (int32_t half = 0; half < 2; ++half) {
            const int32_t chunk = 2 * c + half;
            const int32_t firstPixel = chunk >= 3 ? 16 : 0;
            // Which weight each colour byte of this half takes.
            uint8_t index[16] = {};
            for (int32_t k = 0; k < 16; ++k) index[k] = static_cast<uint8_t>((16 * chunk + k) / 3 - firstPixel);
            for (int32_t lane = 0; lane < 8; ++lane) {
                tables.low[c][16 * half + 2 * lane] = index[lane];
                tables.high[c][16 * half + 2 * lane] = index[8 + lane];
                tables.low[c][16 * half + 2 * lane + 1] = tables.high[c][16 * half + 2 * lane + 1] = kZeroByte;
            }
        }
    return tables;
}

inline constexpr Tables kTables = MakeTables();

// Sixteen weights in one 128-bit register, spread to their pixels' 48 colour bytes by three
// shuffles: byte k % 16 of vector k / 16 takes weight k / 3.
struct SixteenTables {
    alignas(16) uint8_t index[3][16];
};

consteval SixteenTables MakeSixteenTables() {
    SixteenTables tables{};
    for (int32_t k = 0; k < 48; ++k) tables.index[k / 16][k % 16] = static_cast<uint8_t>(k / 3);
    return tables;
}

inline constexpr SixteenTables kSixteen = MakeSixteenTables();

}  // namespace simd::weight_spread
