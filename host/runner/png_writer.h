#pragma once

#include <cstdint>

namespace host {

// Writes a 24-bit frame (blue, green, red; top row first; rows pitch bytes apart) as an RGB PNG,
// compressed with zlib. The same bytes come out of both builds.
bool WritePng(const char* path, const uint8_t* pixels, int width, int height, int pitch);

}  // namespace host
