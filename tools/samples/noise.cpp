#include "noise.h"

#include <cmath>

namespace samples {
namespace {

int32_t Wrap(int32_t v, int32_t period) {
    if (period <= 0) return v;
    v %= period;
    return v < 0 ? v + period : v;
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

uint32_t Hash(uint32_t a, uint32_t b) {
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float HashUnit(int32_t x, int32_t y, uint32_t seed) {
    return (Hash(static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u, seed) >> 8) / 16777216.0f;
}

float ValueNoise(float x, float y, uint32_t seed, int32_t period) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    const float tx = Smooth(x - fx), ty = Smooth(y - fy);
    const int32_t x0 = Wrap(ix, period), x1 = Wrap(ix + 1, period);
    const int32_t y0 = Wrap(iy, period), y1 = Wrap(iy + 1, period);
    const float a = HashUnit(x0, y0, seed), b = HashUnit(x1, y0, seed);
    const float c = HashUnit(x0, y1, seed), d = HashUnit(x1, y1, seed);
    const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float Fbm(float x, float y, uint32_t seed, int32_t octaves, int32_t period) {
    float sum = 0.0f, weight = 0.5f, total = 0.0f;
    for (int32_t i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 1013u, period) * weight;
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        if (period > 0) period *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

}  // namespace samples
