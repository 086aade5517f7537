#pragma once

#include <cstdint>

// Integers of the system's files are little-endian whatever the processor; the caller has
// already checked that the bytes lie inside its buffer.
inline uint32_t LoadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

inline int32_t LoadLe32Signed(const uint8_t* p) { return static_cast<int32_t>(LoadLe32(p)); }
