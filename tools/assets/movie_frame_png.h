#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "movie_writer.h"
#include "png/png_file.h"
#include "tools/assets/movie_file.h"

// Movie frames as 8-bit palette PNGs and back.
namespace assetkit {

// The frame's picture (one index a pixel) and palette (blue, green, red, unused) as a PNG.
std::vector<uint8_t> FrameToPng(FrameSize size, const uint8_t* indices,
                                const std::array<uint8_t, kFramePaletteBytes>& palette);

// Whether a PNG shows exactly the colours of a decoded frame, pixel for pixel.
bool ShowsFrame(const png::Image& image, const uint8_t* indices,
                const std::array<uint8_t, kFramePaletteBytes>& palette);

// A frame from a PNG: a palette PNG keeps its indices and palette; any other keeps the colours of
// `keep` when it has them all (the original frame's palette), else gets a palette of its own.
// False with a reason for transparency or more than 256 colours.
bool FrameFromPng(const png::Image& image, const std::array<uint8_t, kFramePaletteBytes>* keep,
                  std::vector<uint8_t>* indices, tools::Palette* palette, std::string* error);

}  // namespace assetkit
