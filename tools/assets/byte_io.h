#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian integers written into the archive's and the movie's own files; reading goes
// through platform::ByteReader.
namespace assetkit {

inline void PutLe32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace assetkit
