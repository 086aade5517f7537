#pragma once

#include <cstdint>
#include <cstring>

// A 16-byte interface identifier in the standard memory layout: one 32-bit little-endian field,
// two 16-bit little-endian fields, then eight bytes in order. Modules compare identifiers
// byte for byte, so the layout, not the text form, is the contract.
struct Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};

static_assert(sizeof(Guid) == 16, "Guid must be exactly 16 bytes");

inline bool SameGuid(const Guid& a, const Guid& b) { return std::memcmp(&a, &b, sizeof(Guid)) == 0; }
inline bool operator==(const Guid& a, const Guid& b) { return SameGuid(a, b); }
