#pragma once

#include <cstdint>

namespace player {

// Draws text in a 5 x 7 pixel font, scaled by an integer factor, into a 24-bit image (blue,
// green, red). Knows digits, the capitals of the labels it is used for, '.', ':', '-' and
// space; lower-case letters draw as capitals, anything else as a blank. Clipped to the image.
void DrawText(uint8_t* pixels, int width, int height, int pitch, int x, int y, const char* text, int scale, uint8_t red,
              uint8_t green, uint8_t blue);

// Width in pixels of text at a scale (6 columns a character, the last without its gap).
int TextWidth(const char* text, int scale);

}  // namespace player
