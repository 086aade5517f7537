#pragma once

#include <cstdint>

// Deterministic noise for procedural art: the same arguments give the same value on every run
// and every machine (integer hashing, no library random generators).
namespace samples {

uint32_t Hash(uint32_t a, uint32_t b);
// Uniform in [0, 1).
float HashUnit(int32_t x, int32_t y, uint32_t seed);
// Smoothly interpolated lattice noise in [0, 1); `period` > 0 makes it tile every period cells.
float ValueNoise(float x, float y, uint32_t seed, int32_t period = 0);
// Sum of octaves, each twice the frequency and half the weight, normalised to [0, 1).
float Fbm(float x, float y, uint32_t seed, int32_t octaves, int32_t period = 0);

}  // namespace samples
