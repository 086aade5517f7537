#pragma once

#include <cstdint>

// Little-endian fields into the files the tools and tests make: the writing side of ByteReader.
namespace platform {

inline void StoreLe16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

inline void StoreLe32(uint8_t* at, uint32_t value) {
    StoreLe16(at, static_cast<uint16_t>(value));
    StoreLe16(at + 2, static_cast<uint16_t>(value >> 16));
}

// Appends to a growing file: a byte vector or a string.
template <class Bytes>
void AppendLe16(Bytes& out, uint16_t value) {
    using Byte = typename Bytes::value_type;
    out.push_back(static_cast<Byte>(value & 0xFF));
    out.push_back(static_cast<Byte>(value >> 8));
}

template <class Bytes>
void AppendLe32(Bytes& out, uint32_t value) {
    AppendLe16(out, static_cast<uint16_t>(value));
    AppendLe16(out, static_cast<uint16_t>(value >> 16));
}

}  // namespace platform
