#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Whole PMS picture files: the fixed 48-byte header followed by the compressed plane(s).
namespace tools {

// A colour picture in RGB 5-6-5 with an optional alpha plane (empty = none).
struct ColourPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint16_t> colours;
    std::vector<uint8_t> alpha;
};

// A picture of one 8-bit plane (a shape or mask).
struct MaskPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> values;
};

inline constexpr int32_t kPmsHeaderSize = 48;

// Empty result when the picture's sizes and planes disagree.
std::vector<uint8_t> WritePms(const ColourPicture& picture);
std::vector<uint8_t> WritePms(const MaskPicture& picture);

// The 24-bit colour a decoder expands a 5-6-5 value to (top bits repeated into the low bits).
struct Bgr {
    uint8_t b, g, r;
};
Bgr ExpandRgb565(uint16_t colour);
uint16_t PackRgb565(uint8_t r, uint8_t g, uint8_t b);

}  // namespace tools
