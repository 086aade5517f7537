#pragma once

#include <cstdint>

namespace pixmill {

// One rectangle operation resolved to raw rows: the surfaces have already given the top-left
// addresses and pitches. Rows follow by pitch; width is in pixels (3 bytes each).
struct PixelJob {
    uint8_t* dst = nullptr;
    int32_t dstPitch = 0;
    const uint8_t* src = nullptr;
    int32_t srcPitch = 0;
    const uint8_t* alpha = nullptr;  // BlendAlpha only: the source's alpha plane
    int32_t alphaPitch = 0;
    int32_t width = 0;
    int32_t height = 0;
};

}  // namespace pixmill
