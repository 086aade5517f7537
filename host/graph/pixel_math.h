#pragma once

#include <cstdint>

namespace host {

// Every blend's rounding rule is floor(a * b / 255) (simd::Product and simd::Mix, byte_rules.h),
// exact for all bytes, so a weight of 255 reproduces the source and 0 keeps the destination.

// a moved toward b by weight/256, rounded to nearest: the bilinear step of the zoom.
inline uint8_t Lerp(int32_t a, int32_t b, int32_t weight) {
    return static_cast<uint8_t>((a * (256 - weight) + b * weight + 128) >> 8);
}

inline int32_t ClampLevel(int32_t level) { return level < 0 ? 0 : (level > 255 ? 255 : level); }

// A colour passed as (red, green, blue) in the byte order of the pixel plane.
struct PixelColor {
    uint8_t bytes[3];
};

inline PixelColor ColorFromRgb(int32_t red, int32_t green, int32_t blue) {
    return PixelColor{{static_cast<uint8_t>(ClampLevel(blue)), static_cast<uint8_t>(ClampLevel(green)),
                       static_cast<uint8_t>(ClampLevel(red))}};
}

}  // namespace host
