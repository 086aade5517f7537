#pragma once

#include <cstdint>
#include <string>

// An archive of 24-bit BMP pictures for every index the scenes load, each with a size that meets
// what its scene needs and a known pattern. The first pixel of picture N is the tag
// (blue N, green 0x5A, red 0xA5), so a surface can be told by its contents.

inline constexpr uint8_t kTagGreen = 0x5A;
inline constexpr uint8_t kTagRed = 0xA5;

struct PictureSize {
    int32_t width;
    int32_t height;
};

PictureSize TestPictureSize(int32_t index);

// Byte channel (0 blue, 1 green, 2 red) of picture index at surface point (x, y).
uint8_t TestPictureByte(int32_t index, int32_t x, int32_t y, int32_t channel);

// Writes the archive to path (once per process; later calls reuse the file). False on I/O error.
bool WriteTestArchive(const std::string& path);
