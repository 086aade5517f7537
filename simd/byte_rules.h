#pragma once

#include <cstdint>

// The byte rules of every blend, each stated once for plain code; vector_rules.h states them
// once for every vector width, and each kernel set reproduces these bytes exactly. Internal
// linkage, as files built with instruction-set flags include them too.
namespace simd {
namespace {

// floor(a * b / 255) for bytes a and b, exact: (x * 0x8081) >> 23 equals floor(x / 255) for every
// x up to 255 * 255 (and so does (2x + 1) / 510). The multiply and screen tables hold these.
constexpr uint8_t Product(int32_t a, int32_t b) {
    return static_cast<uint8_t>(static_cast<uint32_t>(a * b) * 0x8081u >> 23);
}

// 255 - floor((255 - d) * (255 - s) / 255): the screen rule.
constexpr uint8_t Screen(int32_t d, int32_t s) { return static_cast<uint8_t>(255 - Product(255 - d, 255 - s)); }

// d moved toward s by w / 255: floor(d * (255 - w) / 255) + floor(s * w / 255). The two parts
// never sum above 255, so no clamping is needed; w = 255 gives s and w = 0 keeps d.
constexpr uint8_t Mix(int32_t d, int32_t s, int32_t w) {
    return static_cast<uint8_t>(Product(d, 255 - w) + Product(s, w));
}

// The faster rule of Pixmill's SIMD groups: each product shifted right by 8 instead of divided
// by 255, the two added with saturation (the sum never passes 254).
constexpr uint8_t ShiftMix(int32_t d, int32_t s, int32_t w) {
    const int32_t sum = ((s * w) >> 8) + ((d * (255 - w)) >> 8);
    return static_cast<uint8_t>(sum > 255 ? 255 : sum);
}

}  // namespace
}  // namespace simd
