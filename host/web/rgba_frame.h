#pragma once

#include <cstdint>
#include <vector>

namespace web {

// The host window's frame (rows of blue, green, red) as the RGBA rows a canvas takes.
class RgbaFrame {
public:
    RgbaFrame();
    const uint8_t* From(const uint8_t* bgr, int pitch);

private:
    std::vector<uint8_t> rgba_;
};

}  // namespace web
