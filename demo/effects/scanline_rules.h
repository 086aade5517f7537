#pragma once

#include <cstdint>

// The two per-pixel rules shared by the quad, tile and mask routines. Row i of a call keeps only
// channel i mod 3 (byte 0 blue, 1 green, 2 red), half destination and half source; the average
// rule halves and adds every byte.

template <int Channel>
inline void ScanlinePixel(uint8_t* d, const uint8_t* s) {
    const uint8_t kept = static_cast<uint8_t>((d[Channel] >> 1) + (s[Channel] >> 1));
    d[0] = 0;
    d[1] = 0;
    d[2] = 0;
    d[Channel] = kept;
}

inline void AveragePixel(uint8_t* d, const uint8_t* s) {
    d[0] = static_cast<uint8_t>((d[0] >> 1) + (s[0] >> 1));
    d[1] = static_cast<uint8_t>((d[1] >> 1) + (s[1] >> 1));
    d[2] = static_cast<uint8_t>((d[2] >> 1) + (s[2] >> 1));
}

// Keeps the row's channel of a pixel and clears the other two.
template <int Channel>
inline void MaskPixel(uint8_t* d) {
    const uint8_t kept = d[Channel];
    d[0] = 0;
    d[1] = 0;
    d[2] = 0;
    d[Channel] = kept;
}
