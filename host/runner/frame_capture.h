#pragma once

#include <cstdint>
#include <string>

namespace host {

// FNV-1a 64 over the visible bytes of a frame (width * 3 bytes of each row, top row first),
// so the hash does not depend on row padding and both builds print the same value.
uint64_t FrameHash(const uint8_t* pixels, int width, int height, int pitch);

// Sixteen lower-case hexadecimal digits.
std::string HashText(uint64_t hash);

}  // namespace host
