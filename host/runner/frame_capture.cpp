#include "host/runner/frame_capture.h"

#include <cstdio>

namespace host {

uint64_t FrameHash(const uint8_t* pixels, int width, int height, int pitch) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + static_cast<intptr_t>(y) * pitch;
        for (int i = 0; i < width * 3; ++i) {
            hash ^= row[i];
            hash *= 0x100000001b3ull;
        }
    }
    return hash;
}

std::string HashText(uint64_t hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%08lx%08lx", static_cast<unsigned long>(hash >> 32),
                  static_cast<unsigned long>(hash & 0xffffffffu));
    return text;
}

}  // namespace host
