#pragma once

#include <cstdint>
#include <cstring>

#include "pixmill/blend_rule.h"

// Leftovers of the wide kernels: groups too few to fill a vector, blended one byte at a time
// by the same rules. Internal linkage, as the header is compiled under several flag sets.
namespace pixmill {

static inline void BlendConstBytesSimdForm(uint8_t* d, const uint8_t* s, int32_t bytes, uint32_t a) {
    for (int32_t i = 0; i < bytes; ++i) d[i] = SimdBlendByte(a, d[i], s[i]);
}

static inline void BlendAlphaGroupSimdForm(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
    uint32_t word;
    std::memcpy(&word, alpha, 4);
    if (word == 0) return;
    if (word == 0xFFFFFFFFu) {
        std::memcpy(d, s, 12);
        return;
    }
    for (int32_t i = 0; i < 12; ++i) d[i] = SimdBlendByte(alpha[i / 3], d[i], s[i]);
}

}  // namespace pixmill
