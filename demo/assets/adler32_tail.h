#pragma once

#include <cstddef>
#include <cstdint>

// What the SIMD forms of the sum (adler32_avx2.cpp, adler32_wasm.cpp) share: the modulus, and the
// bytes short of a whole block, summed one at a time at the end. Internal linkage: files built
// with different instruction-set flags include it.
namespace {

constexpr uint64_t kAdlerBase = 65521;

// The sum of halves a and b, each reduced, carried over the size bytes left at data.
inline uint32_t FinishAdler32(uint64_t a, uint64_t b, const uint8_t* data, size_t size) {
    for (; size > 0; --size) {
        a += *data++;
        b += a;
    }
    return static_cast<uint32_t>((b % kAdlerBase) << 16 | (a % kAdlerBase));
}

}  // namespace
